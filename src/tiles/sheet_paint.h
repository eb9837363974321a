#pragma once
// The tile editor's pictures as RGB565 bitmaps, row by row, before they are
// stretched onto the windows: the sheet, the palette box, the edit region and the
// clip board. Every index is drawn in the palette in use after the colour shift.

#include "core/document.h"
#include "core/tile_session.h"
#include "tiles/tile_palette.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace zarvo {

using SheetBitmap = std::array<uint16_t, kSheetSide * kSheetSide>;

// The sheet as the tile view draws it: the image's indexes through the palette (in
// raw view each pixel x of a row is instead the colour index[x + 1] x 256 + index[x],
// pixel 127 taking its second byte from the next row); then, with the grid on, rows
// and columns 0, 8, 16, ... in the grid colour; then, with the cursor shown, the
// edit region's one-pixel white frame.
void PaintSheet(const TileSession& tiles, const DocRecord& doc, SheetBitmap& bitmap);

// A picture of DrawSheetPicture's indexes (128 a row) drawn as the sheet draws them
// without raw view and cursor: through the palette after the shift, then the grid.
[[nodiscard]] std::vector<uint16_t> PaintSheetPicture(std::span<const uint8_t> indexes, const TileColours& palette,
                                                      int32_t shift, bool grid);

// The palette box's 16 x 16 cells: cell (c, r) shows index 16r + c after the shift.
[[nodiscard]] std::array<uint16_t, 256> PaintPaletteBox(const TileSession& tiles, const DocRecord& doc);

// The edit region, 8W pixels a row and 8H rows.
[[nodiscard]] std::vector<uint16_t> PaintEditRegion(const TileSession& tiles, const DocRecord& doc);

// The clip board image, 136 pixels a row and 96 rows.
[[nodiscard]] std::vector<uint16_t> PaintClipBoard(const TileSession& tiles, const DocRecord& doc);

}  // namespace zarvo
