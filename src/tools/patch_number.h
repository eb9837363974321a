#pragma once
// The numbers of BPS and UPS patches: seven bits per byte, low bits first, the last
// byte marked by its top bit. After every byte that is not the last, one is taken
// from what remains, so that each number has exactly one spelling (128 is 00 80,
// never 80 81).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zarvo {

void PutPatchNumber(std::vector<uint8_t>& out, uint64_t value);
// A signed number as BPS stores it: (|value| << 1) | 1 when negative.
void PutSignedPatchNumber(std::vector<uint8_t>& out, int64_t value);
// How many bytes PutPatchNumber writes for value.
[[nodiscard]] int PatchNumberLength(uint64_t value);

// Reads the number at bytes[at], moving at past it. False when the bytes end first
// or the number needs more than 56 bits, which no patch of a file we can read holds.
[[nodiscard]] bool ReadPatchNumber(std::span<const uint8_t> bytes, std::size_t& at, uint64_t& value);
[[nodiscard]] bool ReadSignedPatchNumber(std::span<const uint8_t> bytes, std::size_t& at, int64_t& value);

}  // namespace zarvo
