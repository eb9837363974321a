#pragma once
// Making a BPS patch from a source file and the target it should become.
//
// The patch is built in one pass over the target. At each position the encoder looks
// for the longest stretch it can describe cheaply: the source at the same position (a
// source read, the common case of bytes changed in place), the source where the last
// copy left off (a file shifted by an insertion), the byte before repeated (a run),
// and the source and the earlier target through hash indexes of eight-byte words (the
// source's at every fourth position, the target's at each byte it had to store). A
// match found is stretched forwards and backwards over the bytes not yet described;
// what no match covers is stored as it stands. Memory: the two files, a source index
// of a quarter as many 32-bit entries as the source has bytes, and a target index of
// at most four MiB.

#include "tools/bps.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace zarvo {

// How often CreateBps reports progress, in target bytes described.
inline constexpr std::size_t kBpsProgressStep = 1024 * 1024;

// Told how many of the target's bytes the patch describes so far, and their total.
using BpsProgress = std::function<void(std::size_t described, std::size_t total)>;

struct BpsCreation {
    BpsError error = BpsError::None;  // TooLarge or OutOfMemory when no patch was made
    std::vector<uint8_t> patch;
};

// The patch that turns source into target, carrying metadata (free text, often XML);
// progress hears every kBpsProgressStep bytes of the target.
[[nodiscard]] BpsCreation CreateBps(std::span<const uint8_t> source, std::span<const uint8_t> target,
                                    std::span<const uint8_t> metadata = {}, const BpsProgress& progress = {});

}  // namespace zarvo
