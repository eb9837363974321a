#include "tiles/sheet_colours.h"

#include "tiles/rgb565.h"

#include <algorithm>

namespace zarvo {

SheetColourMatch::SheetColourMatch(const TileColours& palette, int32_t shift, int32_t highestIndex)
    : indexByColour_(1u << 16, -1)
{
    // From the highest index down, so the lowest index with a colour is the one kept.
    for (int32_t index = std::min(highestIndex, 255); index >= 0; --index) {
        indexByColour_[ColourOfIndex(palette, index, shift)] = static_cast<int16_t>(index);
    }
}

std::optional<uint8_t> SheetColourMatch::indexOf(uint32_t rgb) const
{
    const auto colour = Rgb888ToRgb565(rgb);
    if (!colour || indexByColour_[*colour] < 0) return std::nullopt;
    return static_cast<uint8_t>(indexByColour_[*colour]);
}

std::optional<PicturePixel> MatchSheetColours(std::span<const uint32_t> argb, const SheetColourMatch& match,
                                              std::span<uint8_t> indexes)
{
    for (std::size_t i = 0; i < argb.size() && i < indexes.size(); ++i) {
        const uint32_t pixel = argb[i];
        const auto index = (pixel >> 24) == 0xFF ? match.indexOf(pixel & 0xFFFFFF) : std::nullopt;
        if (!index)
            return PicturePixel{static_cast<int32_t>(i % kSheetSide), static_cast<int32_t>(i / kSheetSide), pixel};
        indexes[i] = *index;
    }
    return std::nullopt;
}

}  // namespace zarvo
