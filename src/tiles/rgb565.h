#pragma once
// RGB565 colours as 8-bit channels: each channel's top bits repeated into the low
// bits, so 0x1F and 0x3F become 0xFF and 0 stays 0.

#include <cstdint>
#include <optional>

namespace zarvo {

// 0xRRGGBB.
[[nodiscard]] constexpr uint32_t Rgb565ToRgb888(uint16_t colour)
{
    const uint32_t red = colour >> 11;
    const uint32_t green = (colour >> 5) & 0x3F;
    const uint32_t blue = colour & 0x1F;
    return ((red << 3 | red >> 2) << 16) | ((green << 2 | green >> 4) << 8) | (blue << 3 | blue >> 2);
}

// The RGB565 colour that expands to exactly 0xRRGGBB, if there is one.
[[nodiscard]] constexpr std::optional<uint16_t> Rgb888ToRgb565(uint32_t rgb)
{
    const auto colour =
        static_cast<uint16_t>(((rgb >> 19) & 0x1F) << 11 | ((rgb >> 10) & 0x3F) << 5 | ((rgb >> 3) & 0x1F));
    if (Rgb565ToRgb888(colour) != (rgb & 0xFFFFFF)) return std::nullopt;
    return colour;
}

}  // namespace zarvo
