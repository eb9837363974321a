#include "tiles/region_transform.h"

#include "tiles/edit_region.h"

#include <algorithm>

namespace zarvo {

namespace {

[[nodiscard]] uint8_t* Row(TileSession& tiles, int32_t row) { return tiles.editBuffer.data() + row * kEditBufferSide; }

}  // namespace

void FlipX(TileSession& tiles, const TileViewState& state)
{
    const int32_t width = RegionWidth(state);
    for (int32_t row = 0; row < RegionHeight(state); ++row) std::reverse(Row(tiles, row), Row(tiles, row) + width);
}

void FlipY(TileSession& tiles, const TileViewState& state)
{
    const int32_t width = RegionWidth(state);
    const int32_t height = RegionHeight(state);
    for (int32_t row = 0; row < height / 2; ++row) {
        std::swap_ranges(Row(tiles, row), Row(tiles, row) + width, Row(tiles, height - 1 - row));
    }
}

void Rotate(TileSession& tiles, const TileViewState& state)
{
    const auto old = tiles.editBuffer;
    const int32_t width = RegionWidth(state);
    for (int32_t row = 0; row < RegionHeight(state); ++row) {
        for (int32_t column = 0; column < width; ++column) {
            Row(tiles, row)[column] = old[(width - 1 - column) * kEditBufferSide + row];
        }
    }
}

}  // namespace zarvo
