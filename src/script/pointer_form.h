#pragma once
// How a game stores a pointer to a place in its ROM.
//
// A pointer names a file offset o in the address space of a machine: the address is
// o - header, the machine maps it (LoROM banks of 32 KiB at $8000, HiROM at $C00000,
// Game Boy banks of 16 KiB at $4000, the GBA's $08000000), and the stored value is the
// machine's address minus offset, in 16, 24 or 32 bits, little-endian unless big-endian.
// A 16-bit value of a banked machine (LoROM, HiROM, Game Boy) holds the address within
// its bank only; read back, it is taken in the bank of the place that stores it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarvo {

enum class PointerMachine { Linear, LoRom00, LoRom80, HiRom, GameBoy, Gba };

struct PointerForm {
    PointerMachine machine = PointerMachine::Linear;
    int bits = 16;        // 16, 24 or 32
    int64_t offset = 0;   // subtracted from the machine's address
    int64_t header = 0;   // bytes in front of the ROM's first byte
    bool bigEndian = false;

    [[nodiscard]] int bytes() const { return bits / 8; }
};

// "LINEAR", "LOROM00", "LOROM80", "HIROM", "GB", "GBA" (any letter case; "LOROM" is
// LOROM00); nothing for another name.
[[nodiscard]] std::optional<PointerMachine> PointerMachineNamed(std::string_view name);
[[nodiscard]] const char* PointerMachineName(PointerMachine machine);
// The size a machine's pointers usually have: 16 for LINEAR and GB, 32 for GBA, 24 else.
[[nodiscard]] int DefaultPointerBits(PointerMachine machine);

// The value stored for a pointer to fileOffset; nothing when the offset lies before
// the header or the value does not fit the pointer's bits (it is never cut).
[[nodiscard]] std::optional<uint32_t> PointerValueFor(const PointerForm& form, int64_t fileOffset);
// The file offset a stored value names, the value read at storedAt; nothing when no
// file offset maps to it.
[[nodiscard]] std::optional<int64_t> PointerTargetOf(const PointerForm& form, uint32_t value, int64_t storedAt);

// The value's bytes in the form's order, into the first form.bytes() of out.
void StorePointerValue(const PointerForm& form, uint32_t value, std::span<uint8_t> out);
[[nodiscard]] uint32_t ReadPointerValue(const PointerForm& form, std::span<const uint8_t> bytes);

// "LOROM00 24-bit", "LINEAR 16-bit big-endian, offset $-A000": for lists and reports.
[[nodiscard]] std::string PointerFormText(const PointerForm& form);

}  // namespace zarvo
