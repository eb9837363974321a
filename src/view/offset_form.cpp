#include "view/offset_form.h"

#include <array>
#include <string_view>

namespace zarvo {

namespace {

constexpr uint32_t kLoRomBank = 0x8000;    // a LoROM bank holds 32 KiB of the file
constexpr uint32_t kLoRomHalf = 0x8000;    // LoROM banks sit in the upper half of each 64 KiB
constexpr uint32_t kFastBanks = 0x80;      // fast ROM mirrors start at bank $80
constexpr uint32_t kHiRomBase = 0xC00000;
constexpr int32_t kWorkRamSize = 0x20000;  // 128 KiB of work RAM at $7E:0000
constexpr uint32_t kWorkRamBase = 0x7E0000;

}  // namespace

uint32_t OffsetShownAs(int32_t offset, OffsetMode mode) {
    // The arithmetic wraps at 32 bits rather than overflowing for huge offsets.
    const auto value = static_cast<uint32_t>(offset);
    switch (mode) {
    case OffsetMode::LoRomSlow:
        return (value / kLoRomBank) << 16 | value % kLoRomBank | kLoRomHalf;
    case OffsetMode::LoRomFast:
        return (value / kLoRomBank + kFastBanks) << 16 | value % kLoRomBank | kLoRomHalf;
    case OffsetMode::HiRom:
        return value + kHiRomBase;
    case OffsetMode::SnesMemory:
        return offset < kWorkRamSize ? value + kWorkRamBase : value & 0xFFFF;
    case OffsetMode::Standard:
        break;
    }
    return value;
}

std::string OffsetText(int32_t offset, OffsetMode mode) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    uint32_t value = OffsetShownAs(offset, mode);
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

bool OffsetModeFromName(const std::string& name, OffsetMode& mode) {
    struct Named {
        std::string_view name;
        OffsetMode mode;
    };
    constexpr std::array<Named, 5> kNames = {{
        {"standard", OffsetMode::Standard},
        {"lorom", OffsetMode::LoRomSlow},
        {"lorom-fast", OffsetMode::LoRomFast},
        {"hirom", OffsetMode::HiRom},
        {"memory", OffsetMode::SnesMemory},
    }};
    for (const Named& named : kNames) {
        if (name == named.name) {
            mode = named.mode;
            return true;
        }
    }
    return false;
}

}  // namespace zarvo
