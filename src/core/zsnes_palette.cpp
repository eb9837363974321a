#include "core/zsnes_palette.h"

namespace zarvo {

uint16_t ZsnesColourToRgb565(uint16_t word)
{
    const unsigned red = word & 0x1F;
    const unsigned green = (word >> 4) & 0x3F;
    const unsigned blue = (word >> 10) & 0x1F;
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

std::array<uint16_t, 256> ConvertZsnesPalette(std::span<const uint8_t, 512> words)
{
    std::array<uint16_t, 256> palette{};
    for (std::size_t k = 0; k < palette.size(); ++k) {
        const auto word = static_cast<uint16_t>(words[2 * k] | (words[2 * k + 1] << 8));
        palette[k] = ZsnesColourToRgb565(word);
    }
    return palette;
}

}  // namespace zarvo
