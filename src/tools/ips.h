#pragma once
// IPS patches as pure functions over byte buffers.
//
// A patch is "PATCH", records, "EOF", and optionally three bytes giving the size the
// patched file is cut to. A record is a three-byte offset, a two-byte size and that
// many bytes; a size of 0 makes it a run: a two-byte count and one byte stored count
// times. Numbers are big-endian.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zarvo {

inline constexpr uint32_t kIpsEofOffset = 0x454F46;         // the offset that reads back as "EOF"
inline constexpr int64_t kIpsOffsetLimit = 0x1000000;       // three offset bytes reach below 16 MiB
inline constexpr std::size_t kIpsMaxRecordLength = 0x8000;  // longest record the maker writes
inline constexpr std::size_t kIpsMaxBridge = 5;             // longest equal stretch kept inside a record
inline constexpr std::size_t kIpsMinRunLength = 9;          // shortest record written as a run
inline constexpr std::size_t kIpsEmptyPatchSize = 8;        // "PATCH" + "EOF"

enum class IpsError {
    None,
    FilesEqual,         // nothing differs, so a patch would hold no record; none is made
    BeyondOffsetLimit,  // a byte to store, or the size to cut to, lies at or past 16 MiB,
                        // where three offset bytes cannot reach
    NotAPatch,          // the patch does not begin with "PATCH"
    Truncated,          // the patch ends inside a record
    OutOfMemory,        // the patched result could not be held in memory
    CannotWriteFile,    // the patch file, or the patched file, could not be written
};

struct IpsCreation {
    IpsError error = IpsError::None;
    std::vector<uint8_t> patch;  // empty unless error is None
};

// The patch that turns unchanged into current. Bytes are compared over the shorter
// length; a longer current adds its tail, a shorter one ends the patch with its size
// after "EOF".
[[nodiscard]] IpsCreation CreateIps(std::span<const uint8_t> unchanged, std::span<const uint8_t> current);

struct IpsCheck {
    IpsError error = IpsError::None;
    int32_t resultSize = 0;  // size of the patched file when error is None
};

// Reads the whole patch without storing anything: whether it is sound and how long a
// file of originalSize bytes becomes. Records past the file's end lengthen it; the
// size after "EOF", when present, cuts it.
[[nodiscard]] IpsCheck CheckIps(std::span<const uint8_t> patch, int32_t originalSize);

// Stores the records of a patch that CheckIps accepted into target, which already
// holds the original bytes followed by zero bytes up to the result size. Bytes that
// would land at or past target's end are dropped.
void WriteIpsRecords(std::span<const uint8_t> patch, std::span<uint8_t> target);

struct IpsApplication {
    IpsError error = IpsError::None;
    std::vector<uint8_t> result;  // the patched bytes when error is None
};

// The patched copy of original; original itself is not touched.
[[nodiscard]] IpsApplication ApplyIps(std::span<const uint8_t> patch, std::span<const uint8_t> original);

}  // namespace zarvo
