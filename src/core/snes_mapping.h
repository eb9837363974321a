#pragma once
// How file offsets map onto SNES addresses and back: Lo-ROM (32 KiB banks in the
// upper half of each 64 KiB, optionally in the fast mirror from bank $80), Hi-ROM
// (from $C0:0000) and work memory ($7E:0000, 128 KiB). One set of constants for the
// view's offset forms and the address converter.

#include "core/session.h"

#include <cstdint>
#include <optional>

namespace zarvo {

inline constexpr uint32_t kLoRomBankBytes = 0x8000;  // a Lo-ROM bank holds 32 KiB of the file
inline constexpr uint32_t kLoRomHalf = 0x8000;       // Lo-ROM addresses sit in the upper half of a bank
inline constexpr uint32_t kFastBankBase = 0x80;      // the fast ROM mirror starts at bank $80
inline constexpr uint32_t kHiRomBase = 0xC00000;
inline constexpr uint32_t kWorkRamBase = 0x7E0000;
inline constexpr int32_t kWorkRamSize = 0x20000;

// The address an offset shows as in the view's offset form. The arithmetic wraps at
// 32 bits rather than overflowing for huge offsets. Memory form: offsets below
// 128 KiB are work memory, later ones show their low 16 bits.
[[nodiscard]] uint32_t OffsetShownAs(int32_t offset, OffsetMode mode);

// The file offset of a Lo-ROM address with the given bank base (0 or kFastBankBase);
// the bank difference is taken modulo 256, so $00:8000 with base $80 is bank $80
// back. Nothing when the address lies in the lower half of its bank.
[[nodiscard]] std::optional<uint64_t> LoRomAddressToOffset(uint32_t address, uint32_t bankBase);
// The file offset of a Hi-ROM address; nothing below $C0:0000.
[[nodiscard]] std::optional<uint64_t> HiRomAddressToOffset(uint32_t address);

}  // namespace zarvo
