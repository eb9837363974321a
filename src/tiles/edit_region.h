#pragma once
// The edit region: W x H cells of 8 x 8 pixels, placed on the sheet at the
// document's cursor, which counts cells in grid mode and sheet pixels in free mode.

#include "core/document.h"
#include "core/tile_session.h"

#include <cstdint>

namespace zarvo {

inline constexpr int32_t kMaxCursorCells = 8;
inline constexpr int32_t kSheetCells = 16;  // cells across and down the sheet

struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The region's size in pixels: 8W wide and 8H tall, W and H kept within 1..8.
[[nodiscard]] int32_t RegionWidth(const TileViewState& state);
[[nodiscard]] int32_t RegionHeight(const TileViewState& state);

// The region on the sheet, in sheet pixels.
[[nodiscard]] PixelRect EditRegionOnSheet(const TileSession& tiles, const TileViewState& state);

// Stores the cursor for a region placed at a sheet pixel: grid mode takes the pixel's
// cell, free mode the pixel itself; either is moved left and up until the region
// lies on the sheet.
void PlaceCursorAt(const TileSession& tiles, TileViewState& state, int32_t pixelX, int32_t pixelY);

// Applies a new cursor size: the zoomed edit box ((128 / W) x W by (128 / H) x H
// pixels), its zoom factors, and the cursor moved left and up until the region fits.
void FixCursorData(TileSession& tiles, TileViewState& state);

}  // namespace zarvo
