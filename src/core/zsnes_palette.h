#pragma once
// Colours of a ZSNES savestate: 256 SNES BGR555 words turned into RGB565.

#include <array>
#include <cstdint>
#include <span>

namespace zarvo {

// One BGR555 word to RGB565. The six green bits are bits 9..4 of the word, so the
// top red bit shows as the lowest green bit (0x001F gives 0xF820).
[[nodiscard]] uint16_t ZsnesColourToRgb565(uint16_t word);

// 512 bytes of little-endian colour words to 256 RGB565 colours.
[[nodiscard]] std::array<uint16_t, 256> ConvertZsnesPalette(std::span<const uint8_t, 512> words);

}  // namespace zarvo
