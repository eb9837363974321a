#include "script/pointer_form.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace zarvo {

namespace {

constexpr int64_t kBankWindow = 0x8000;     // LoROM: the upper half of each 64 KiB bank
constexpr int64_t kGameBoyBank = 0x4000;    // Game Boy: the switched bank's window
constexpr int64_t kHiRomBase = 0xC00000;
constexpr int64_t kLoRom80Base = 0x800000;
constexpr int64_t kGbaBase = 0x08000000;

struct MachineName {
    const char* name;
    PointerMachine machine;
};
constexpr std::array<MachineName, 7> kNames = {{
    {"LINEAR", PointerMachine::Linear},
    {"LOROM00", PointerMachine::LoRom00},
    {"LOROM", PointerMachine::LoRom00},
    {"LOROM80", PointerMachine::LoRom80},
    {"HIROM", PointerMachine::HiRom},
    {"GB", PointerMachine::GameBoy},
    {"GBA", PointerMachine::Gba},
}};

[[nodiscard]] bool IsBanked(PointerMachine machine)
{
    return machine != PointerMachine::Linear && machine != PointerMachine::Gba;
}

[[nodiscard]] int64_t MachineAddress(PointerMachine machine, int64_t address)
{
    switch (machine) {
    case PointerMachine::Linear:
        return address;
    case PointerMachine::LoRom00:
    case PointerMachine::LoRom80: {
        const int64_t mapped = (address >> 15) << 16 | kBankWindow | (address & (kBankWindow - 1));
        return machine == PointerMachine::LoRom80 ? mapped + kLoRom80Base : mapped;
    }
    case PointerMachine::HiRom:
        return address + kHiRomBase;
    case PointerMachine::GameBoy:
        if (address < kGameBoyBank) return address;
        return (address / kGameBoyBank) * 0x10000 + kGameBoyBank + address % kGameBoyBank;
    case PointerMachine::Gba:
        return address + kGbaBase;
    }
    return address;
}

// The address a machine address stands for; -1 when none does.
[[nodiscard]] int64_t AddressOf(PointerMachine machine, int64_t mapped)
{
    switch (machine) {
    case PointerMachine::Linear:
        return mapped;
    case PointerMachine::LoRom80:
        if (mapped < kLoRom80Base) return -1;
        mapped -= kLoRom80Base;
        [[fallthrough]];
    case PointerMachine::LoRom00:
        if ((mapped & kBankWindow) == 0) return -1;
        return (mapped >> 16) << 15 | (mapped & (kBankWindow - 1));
    case PointerMachine::HiRom:
        return mapped >= kHiRomBase ? mapped - kHiRomBase : -1;
    case PointerMachine::GameBoy: {
        const int64_t low = mapped & 0xFFFF;
        if (low < kGameBoyBank) return low;  // the fixed bank 0, whatever bank is named
        if (low >= 2 * kGameBoyBank) return -1;
        // Bank 0 has no switched window: code there reaches bank 1 at least.
        const int64_t bank = std::max<int64_t>(mapped >> 16, 1);
        return bank * kGameBoyBank + low - kGameBoyBank;
    }
    case PointerMachine::Gba:
        return mapped >= kGbaBase ? mapped - kGbaBase : -1;
    }
    return -1;
}

}  // namespace

std::optional<PointerMachine> PointerMachineNamed(std::string_view name)
{
    for (const MachineName& entry : kNames) {
        const std::string_view known(entry.name);
        if (known.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) {
            same = std::toupper(static_cast<unsigned char>(name[i])) == known[i];
        }
        if (same) return entry.machine;
    }
    return std::nullopt;
}

const char* PointerMachineName(PointerMachine machine)
{
    for (const MachineName& entry : kNames) {
        if (entry.machine == machine) return entry.name;
    }
    return "LINEAR";
}

int DefaultPointerBits(PointerMachine machine)
{
    switch (machine) {
    case PointerMachine::Linear:
    case PointerMachine::GameBoy:
        return 16;
    case PointerMachine::Gba:
        return 32;
    case PointerMachine::LoRom00:
    case PointerMachine::LoRom80:
    case PointerMachine::HiRom:
        return 24;
    }
    return 16;
}

std::optional<uint32_t> PointerValueFor(const PointerForm& form, int64_t fileOffset)
{
    const int64_t address = fileOffset - form.header;
    if (address < 0) return std::nullopt;
    int64_t value = MachineAddress(form.machine, address) - form.offset;
    if (form.bits == 16 && IsBanked(form.machine)) value &= 0xFFFF;
    const int64_t limit = form.bits >= 32 ? int64_t{1} << 32 : int64_t{1} << form.bits;
    if (value < 0 || value >= limit) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<int64_t> PointerTargetOf(const PointerForm& form, uint32_t value, int64_t storedAt)
{
    int64_t mapped = static_cast<int64_t>(value) + form.offset;
    if (form.bits == 16 && IsBanked(form.machine)) {
        const int64_t storedAddress = std::max<int64_t>(storedAt - form.header, 0);
        const int64_t bank = MachineAddress(form.machine, storedAddress) & ~int64_t{0xFFFF};
        mapped = bank | (mapped & 0xFFFF);
    }
    const int64_t address = AddressOf(form.machine, mapped);
    if (address < 0) return std::nullopt;
    return address + form.header;
}

void StorePointerValue(const PointerForm& form, uint32_t value, std::span<uint8_t> out)
{
    const int count = form.bytes();
    for (int i = 0; i < count; ++i) {
        const auto byte = static_cast<uint8_t>(value >> (8 * i));
        out[static_cast<std::size_t>(form.bigEndian ? count - 1 - i : i)] = byte;
    }
}

uint32_t ReadPointerValue(const PointerForm& form, std::span<const uint8_t> bytes)
{
    const int count = form.bytes();
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        const uint8_t byte = bytes[static_cast<std::size_t>(form.bigEndian ? count - 1 - i : i)];
        value |= static_cast<uint32_t>(byte) << (8 * i);
    }
    return value;
}

std::string PointerFormText(const PointerForm& form)
{
    std::string text = PointerMachineName(form.machine);
    text += ' ' + std::to_string(form.bits) + "-bit";
    if (form.bigEndian) text += " big-endian";
    if (form.offset != 0) {
        char number[32];
        std::snprintf(number, sizeof number, ", offset $%s%llX", form.offset < 0 ? "-" : "",
                      static_cast<unsigned long long>(form.offset < 0 ? -form.offset : form.offset));
        text += number;
    }
    return text;
}

}  // namespace zarvo
