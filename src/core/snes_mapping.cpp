#include "core/snes_mapping.h"

namespace zarvo {

uint32_t OffsetShownAs(int32_t offset, OffsetMode mode)
{
    const auto value = static_cast<uint32_t>(offset);
    switch (mode) {
    case OffsetMode::LoRomSlow:
        return (value / kLoRomBankBytes) << 16 | value % kLoRomBankBytes | kLoRomHalf;
    case OffsetMode::LoRomFast:
        return (value / kLoRomBankBytes + kFastBankBase) << 16 | value % kLoRomBankBytes | kLoRomHalf;
    case OffsetMode::HiRom:
        return value + kHiRomBase;
    case OffsetMode::SnesMemory:
        return offset < kWorkRamSize ? value + kWorkRamBase : value & 0xFFFF;
    case OffsetMode::Standard:
        break;
    }
    return value;
}

std::optional<uint64_t> LoRomAddressToOffset(uint32_t address, uint32_t bankBase)
{
    if ((address & kLoRomHalf) == 0) return std::nullopt;
    return uint64_t{((address >> 16) - bankBase) & 0xFF} * kLoRomBankBytes + (address & (kLoRomBankBytes - 1));
}

std::optional<uint64_t> HiRomAddressToOffset(uint32_t address)
{
    if (address < kHiRomBase) return std::nullopt;
    return uint64_t{address} - kHiRomBase;
}

}  // namespace zarvo
