#pragma once
// BPS patches as pure functions over byte buffers.
//
// A patch is "BPS1", the source size, the target size, the metadata size and the
// metadata, then actions up to the last 12 bytes, which hold the CRC-32 of the source,
// of the target and of the patch before these 4 bytes (little-endian). Each action is
// a number n: n & 3 says what it does, (n >> 2) + 1 how many target bytes it makes:
//   0 source read:  the source bytes at the same position of the output;
//   1 target read:  that many bytes that follow in the patch;
//   2 source copy:  a signed number moves the source cursor, bytes are copied from it;
//   3 target copy:  a signed number moves the target cursor, bytes are copied one at a
//                   time from the target already made (an overlap repeats a run).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zarvo {

inline constexpr std::size_t kBpsSmallestPatch = 19;  // magic, three one-byte numbers, three CRCs

enum class BpsError {
    None,
    NotAPatch,           // shorter than 19 bytes, or no "BPS1" at the start
    TooLarge,            // a size in the patch is 2 GiB or more, more than the program can hold
    BadHeader,           // the sizes or the metadata run past the patch's end
    PatchDamaged,        // the patch's bytes do not give the CRC-32 it records
    SourceIsTarget,      // the file given already is the patch's target
    WrongSourceSize,     // the file given is not the size the patch was made for
    WrongSourceCrc,      // the file given has the size but other content
    ActionOutOfBounds,   // an action reads or writes outside the source, the patch or the
                         // target, or copies target bytes not made yet
    ActionsEndEarly,     // the actions end before the whole target is made
    WrongTargetCrc,      // the target made does not give the CRC-32 the patch records
    OutOfMemory,         // the target could not be held in memory
};

struct BpsHeader {
    BpsError error = BpsError::None;
    uint32_t sourceSize = 0;
    uint32_t targetSize = 0;
    std::span<const uint8_t> metadata;
    std::size_t actionsStart = 0;  // where the first action begins
    uint32_t sourceCrc = 0;
    uint32_t targetCrc = 0;
    uint32_t patchCrc = 0;        // as recorded
    uint32_t patchCrcFound = 0;   // of the patch's own bytes
};

// The header and the three recorded CRCs, checked for size and shape; the patch's own
// CRC is computed (PatchDamaged when it differs) but the actions are not read.
[[nodiscard]] BpsHeader ReadBpsHeader(std::span<const uint8_t> patch);

struct BpsApplication {
    BpsError error = BpsError::None;
    BpsHeader header;
    uint32_t sourceSizeFound = 0;  // of the file given
    uint32_t sourceCrcFound = 0;
    uint32_t targetCrcFound = 0;   // of the target made, for WrongTargetCrc
    std::vector<uint8_t> target;   // empty unless error is None
};

// The patch applied to source. Nothing is made unless the patch is sound, was made
// for this source, and makes exactly its target. With ignoreChecksums, CRCs that
// disagree (the patch's, the source's, the target's) do not stop it; sizes and bounds
// always do.
[[nodiscard]] BpsApplication ApplyBps(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                                      bool ignoreChecksums = false);

// What went wrong, for the user: names the expected and found sizes and CRCs where
// they matter. Empty for None.
[[nodiscard]] std::string BpsErrorText(const BpsApplication& application);

}  // namespace zarvo
