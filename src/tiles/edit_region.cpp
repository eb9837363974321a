#include "tiles/edit_region.h"

#include <algorithm>

namespace zarvo {

namespace {

[[nodiscard]] int32_t Cells(int32_t count) { return std::clamp(count, 1, kMaxCursorCells); }

// The largest cursor position at which a region of `extent` units fits into `room`.
[[nodiscard]] int32_t Fitted(int32_t position, int32_t extent, int32_t room)
{
    return std::clamp(position, 0, room - extent);
}

}  // namespace

int32_t RegionWidth(const TileViewState& state) { return 8 * Cells(state.cursorWidth); }

int32_t RegionHeight(const TileViewState& state) { return 8 * Cells(state.cursorHeight); }

PixelRect EditRegionOnSheet(const TileSession& tiles, const TileViewState& state)
{
    const int32_t unit = tiles.freeMovement ? 1 : 8;
    return {state.cursorColumn * unit, state.cursorRow * unit, RegionWidth(state), RegionHeight(state)};
}

void PlaceCursorAt(const TileSession& tiles, TileViewState& state, int32_t pixelX, int32_t pixelY)
{
    if (tiles.freeMovement) {
        state.cursorColumn = Fitted(pixelX, RegionWidth(state), kSheetSide);
        state.cursorRow = Fitted(pixelY, RegionHeight(state), kSheetSide);
    } else {
        state.cursorColumn = Fitted(pixelX / 8, Cells(state.cursorWidth), kSheetCells);
        state.cursorRow = Fitted(pixelY / 8, Cells(state.cursorHeight), kSheetCells);
    }
}

void FixCursorData(TileSession& tiles, TileViewState& state)
{
    const int32_t across = Cells(state.cursorWidth);
    const int32_t down = Cells(state.cursorHeight);
    tiles.editBoxWidth = (kSheetSide / across) * across;
    tiles.editBoxHeight = (kSheetSide / down) * down;
    tiles.zoomX = tiles.editBoxWidth / (8 * across);
    tiles.zoomY = tiles.editBoxHeight / (8 * down);
    // The cursor counts cells in grid mode and pixels in free mode; either way the region stays on the sheet.
    const int32_t unit = tiles.freeMovement ? 1 : 8;
    state.cursorColumn = Fitted(state.cursorColumn, across * 8 / unit, kSheetSide / unit);
    state.cursorRow = Fitted(state.cursorRow, down * 8 / unit, kSheetSide / unit);
}

}  // namespace zarvo
