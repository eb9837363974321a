#pragma once
// The settings of the SNES address converter, kept between its uses.

#include <cstdint>

namespace zarvo {

enum class SnesMapping { LoRom, HiRom, Memory, VideoRam };

enum class ConvertDirection {
    ToSnes,  // from the left field (file offset) into the right field
    ToFile,  // from the right field (SNES address) into the left field
};

inline constexpr uint32_t kCopierHeaderSize = 0x200;

// The converter's settings, kept by its dialog between uses.
struct SnesConverterState {
    SnesMapping mapping = SnesMapping::LoRom;
    ConvertDirection direction = ConvertDirection::ToSnes;
    uint32_t headerSize = 0;  // 0 or kCopierHeaderSize, toggled by "Include $200"
    uint32_t bankBase = 0;    // 0 or kFastBankBase, toggled by "$8x:xxxx"
};

}  // namespace zarvo
