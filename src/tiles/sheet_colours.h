#pragma once
// Reading a sheet picture back as colour indexes: a picture drawn elsewhere in the
// colours the tile view uses (8-bit channels, as the sheet export writes them).

#include "core/tile_session.h"
#include "tiles/tile_palette.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zarvo {

using SheetIndexes = std::array<uint8_t, kSheetSide * kSheetSide>;

// The index each colour stands for: the lowest index up to the format's highest
// whose shifted palette colour, written with 8-bit channels, is that colour.
class SheetColourMatch {
public:
    SheetColourMatch(const TileColours& palette, int32_t shift, int32_t highestIndex);
    // rgb is 0xRRGGBB; nothing when no index of the format has that colour.
    [[nodiscard]] std::optional<uint8_t> indexOf(uint32_t rgb) const;

private:
    std::vector<int16_t> indexByColour_;  // by RGB565 colour, -1 for none
};

struct PicturePixel {
    int32_t x = 0;
    int32_t y = 0;
    uint32_t argb = 0;
};

// Turns pixels (0xAARRGGBB, row by row, kSheetSide a row: the sheet or a taller
// picture) into as many indexes. Returns the first pixel, row by row, that is not
// fully opaque or has no index; `indexes` is then incomplete.
[[nodiscard]] std::optional<PicturePixel> MatchSheetColours(std::span<const uint32_t> argb,
                                                            const SheetColourMatch& match, std::span<uint8_t> indexes);

}  // namespace zarvo
