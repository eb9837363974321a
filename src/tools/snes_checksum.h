#pragma once
// The checksum in the internal header of an SNES ROM image: finding the header,
// summing the image, storing the new checksum and its complement.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zarvo {

// Candidate header bases, tried in this order; the second and fourth mean a copier
// header of 0x200 bytes in front of the image.
inline constexpr std::array<int32_t, 4> kSnesHeaderBases = {0x7FC0, 0x81C0, 0xFFC0, 0x101C0};
inline constexpr int32_t kSnesComplementAt = 0x1C;  // from the base, little-endian
inline constexpr int32_t kSnesChecksumAt = 0x1E;
// The smallest image in which all four candidates can be read.
inline constexpr int32_t kSnesChecksumMinimumSize = 0x101F0;

struct SnesHeader {
    int32_t base = 0;
    int32_t copierHeader = 0;  // 0 or 0x200
    uint16_t checksum = 0;     // as stored
    uint16_t complement = 0;   // as stored
};

// The first candidate whose complement OR checksum is 0xFFFF and whose checksum is
// not 0xFFFF; nothing when the image is too small or no candidate qualifies.
[[nodiscard]] std::optional<SnesHeader> LocateSnesHeader(std::span<const uint8_t> image);

// The 16-bit sum of the image after the copier header: the largest power-of-two part
// once, and the rest as many times as it fits into that part.
[[nodiscard]] uint16_t ComputeSnesChecksum(std::span<const uint8_t> image, int32_t copierHeader);

// The four bytes stored from the header base + kSnesComplementAt on: the complement
// of checksum, then checksum, each little-endian.
[[nodiscard]] std::array<uint8_t, 4> SnesChecksumBytes(uint16_t checksum);

enum class ChecksumRefusal {
    None,
    NesRom,    // the image begins with "NES"
    TooSmall,  // shorter than kSnesChecksumMinimumSize
    NotFound,  // no candidate header qualifies
};

// The checksum repair's findings on an image, before the user is asked.
struct ChecksumReport {
    ChecksumRefusal refusal = ChecksumRefusal::None;
    SnesHeader header;
    uint16_t newChecksum = 0;
    uint16_t newComplement = 0;
    // False when the stored checksum already equals the new one, or the stored
    // complement the new complement.
    bool repairNeeded = false;
};

[[nodiscard]] ChecksumReport InspectSnesChecksum(std::span<const uint8_t> image);

// The refusal's message; nullptr for None.
[[nodiscard]] const char* ChecksumRefusalText(ChecksumRefusal refusal);
// The repair question with the stored and the new values.
[[nodiscard]] std::string ChecksumQuestionText(const ChecksumReport& report);
// "header XXXXX checksum XXXX complement XXXX new XXXX XXXX", as zarvo-tool prints it.
[[nodiscard]] std::string ChecksumReportLine(const ChecksumReport& report);

}  // namespace zarvo
