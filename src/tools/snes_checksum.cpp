#include "tools/snes_checksum.h"

#include "tools/tool_messages.h"

#include <bit>
#include <cstdio>
#include <cstring>

namespace zarvo {

namespace {

constexpr int32_t kCopierHeader = 0x200;

uint16_t ReadLittle16(std::span<const uint8_t> image, int32_t at)
{
    return static_cast<uint16_t>(image[static_cast<std::size_t>(at)] | image[static_cast<std::size_t>(at) + 1] << 8);
}

// The sum of bytes, eight at a time: each 16-bit lane of the accumulator gathers two
// bytes per word and is emptied before it can overflow.
uint32_t SumBytes(const uint8_t* bytes, std::size_t count)
{
    constexpr uint64_t kLaneMask = 0x00FF00FF00FF00FFULL;
    constexpr std::size_t kWordsPerFlush = 128;  // 128 * 2 * 255 < 65536
    uint32_t sum = 0;
    std::size_t at = 0;
    while (count - at >= 8) {
        uint64_t lanes = 0;
        for (std::size_t words = 0; words < kWordsPerFlush && count - at >= 8; ++words, at += 8) {
            uint64_t word = 0;
            std::memcpy(&word, bytes + at, 8);
            lanes += (word & kLaneMask) + (word >> 8 & kLaneMask);
        }
        // Fold the four 16-bit lanes into one total.
        lanes = (lanes & 0x0000FFFF0000FFFFULL) + (lanes >> 16 & 0x0000FFFF0000FFFFULL);
        sum += static_cast<uint32_t>((lanes & 0xFFFFFFFFULL) + (lanes >> 32));
    }
    for (; at < count; ++at) sum += bytes[at];
    return sum;
}

}  // namespace

std::optional<SnesHeader> LocateSnesHeader(std::span<const uint8_t> image)
{
    if (image.size() < static_cast<std::size_t>(kSnesChecksumMinimumSize)) return std::nullopt;
    for (const int32_t base : kSnesHeaderBases) {
        SnesHeader header;
        header.base = base;
        header.complement = ReadLittle16(image, base + kSnesComplementAt);
        header.checksum = ReadLittle16(image, base + kSnesChecksumAt);
        if ((header.complement | header.checksum) == 0xFFFF && header.checksum != 0xFFFF) {
            header.copierHeader = base == kSnesHeaderBases[1] || base == kSnesHeaderBases[3] ? kCopierHeader : 0;
            return header;
        }
    }
    return std::nullopt;
}

uint16_t ComputeSnesChecksum(std::span<const uint8_t> image, int32_t copierHeader)
{
    if (copierHeader < 0 || image.size() <= static_cast<std::size_t>(copierHeader)) return 0;
    const std::size_t length = image.size() - static_cast<std::size_t>(copierHeader);
    const std::size_t whole = std::bit_floor(length);  // the largest power of two not above length
    const std::size_t rest = length - whole;
    const uint8_t* start = image.data() + copierHeader;
    uint32_t sum = SumBytes(start, whole);
    const uint32_t restSum = SumBytes(start + whole, rest);
    // A 3 MiB image counts its last MiB twice, as if mirrored up to 4 MiB.
    if (restSum != 0) sum += static_cast<uint32_t>(whole / rest) * restSum;
    return static_cast<uint16_t>(sum);
}

std::array<uint8_t, 4> SnesChecksumBytes(uint16_t checksum)
{
    static_assert(kSnesChecksumAt == kSnesComplementAt + 2, "the checksum follows its complement");
    const auto complement = static_cast<uint16_t>(checksum ^ 0xFFFF);
    return {static_cast<uint8_t>(complement), static_cast<uint8_t>(complement >> 8), static_cast<uint8_t>(checksum),
            static_cast<uint8_t>(checksum >> 8)};
}

ChecksumReport InspectSnesChecksum(std::span<const uint8_t> image)
{
    ChecksumReport report;
    if (image.size() >= 3 && std::memcmp(image.data(), "NES", 3) == 0) {
        report.refusal = ChecksumRefusal::NesRom;
        return report;
    }
    if (image.size() < static_cast<std::size_t>(kSnesChecksumMinimumSize)) {
        report.refusal = ChecksumRefusal::TooSmall;
        return report;
    }
    const auto header = LocateSnesHeader(image);
    if (!header) {
        report.refusal = ChecksumRefusal::NotFound;
        return report;
    }
    report.header = *header;
    report.newChecksum = ComputeSnesChecksum(image, header->copierHeader);
    report.newComplement = static_cast<uint16_t>(report.newChecksum ^ 0xFFFF);
    report.repairNeeded = header->checksum != report.newChecksum && header->complement != report.newComplement;
    return report;
}

const char* ChecksumRefusalText(ChecksumRefusal refusal)
{
    switch (refusal) {
    case ChecksumRefusal::NesRom:
        return messages::kChecksumNesRom;
    case ChecksumRefusal::TooSmall:
        return messages::kChecksumTooSmall;
    case ChecksumRefusal::NotFound:
        return messages::kChecksumNotFound;
    case ChecksumRefusal::None:
        break;
    }
    return nullptr;
}

std::string ChecksumQuestionText(const ChecksumReport& report)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  " ROM CheckSum  : %04X\n ROM Compliment: %04X\n\n NEW CheckSum  : %04X\n NEW Compliment: %04X\n\n "
                  "Repair CheckSum?",
                  report.header.checksum, report.header.complement, report.newChecksum, report.newComplement);
    return text;
}

std::string ChecksumReportLine(const ChecksumReport& report)
{
    char text[80];
    std::snprintf(text, sizeof text, "header %05X checksum %04X complement %04X new %04X %04X",
                  static_cast<unsigned>(report.header.base), report.header.checksum, report.header.complement,
                  report.newChecksum, report.newComplement);
    return text;
}

}  // namespace zarvo
