#include "tiles/sheet_paint.h"

#include "tiles/edit_region.h"
#include "tiles/tile_palette.h"

#include <algorithm>

namespace zarvo {

namespace {

void PaintFrame(SheetBitmap& bitmap, const PixelRect& frame)
{
    const auto plot = [&bitmap](int32_t x, int32_t y) {
        if (x >= 0 && x < kSheetSide && y >= 0 && y < kSheetSide) bitmap[y * kSheetSide + x] = kCursorFrameColour;
    };
    const int32_t right = frame.x + frame.width - 1;
    const int32_t bottom = frame.y + frame.height - 1;
    for (int32_t x = frame.x; x <= right; ++x) {
        plot(x, frame.y);
        plot(x, bottom);
    }
    for (int32_t y = frame.y; y <= bottom; ++y) {
        plot(frame.x, y);
        plot(right, y);
    }
}

// Rows and columns 0, 8, 16, ... of a picture kSheetSide pixels wide in the grid colour.
void PaintGrid(uint16_t* bitmap, int32_t rows)
{
    for (int32_t y = 0; y < rows; ++y) {
        uint16_t* row = bitmap + std::ptrdiff_t{y} * kSheetSide;
        if (y % 8 == 0) {
            std::fill(row, row + kSheetSide, kGridColour);
        } else {
            for (int32_t x = 0; x < kSheetSide; x += 8) row[x] = kGridColour;
        }
    }
}

// The 256 indexes' colours after the shift.
[[nodiscard]] std::array<uint16_t, 256> ShiftedColours(const TileColours& palette, int32_t shift)
{
    std::array<uint16_t, 256> shifted{};
    for (int32_t index = 0; index < 256; ++index) shifted[index] = ColourOfIndex(palette, index, shift);
    return shifted;
}

[[nodiscard]] std::vector<uint16_t> PaintIndexes(const TileColours& palette, int32_t shift, const uint8_t* indexes,
                                                 int32_t width, int32_t height, int32_t stride)
{
    std::vector<uint16_t> bitmap(static_cast<std::size_t>(width * height));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            bitmap[static_cast<std::size_t>(y * width + x)] = ColourOfIndex(palette, indexes[y * stride + x], shift);
        }
    }
    return bitmap;
}

}  // namespace

void PaintSheet(const TileSession& tiles, const DocRecord& doc, SheetBitmap& bitmap)
{
    const uint8_t* image = tiles.sheet.data();
    if (doc.tileView.rawView != 0) {
        // The image's rows run on into each other, so pixel 127 pairs with the next row's first index.
        for (int32_t i = 0; i < kSheetSide * kSheetSide; ++i) {
            bitmap[i] = static_cast<uint16_t>(image[i + 1] << 8 | image[i]);
        }
    } else {
        const std::array<uint16_t, 256> shifted = ShiftedColours(PaletteInUse(tiles, doc), tiles.colourShift);
        for (int32_t i = 0; i < kSheetSide * kSheetSide; ++i) bitmap[i] = shifted[image[i]];
    }
    if (tiles.gridShown) PaintGrid(bitmap.data(), kSheetSide);
    if (doc.tileView.cursorShown != 0) PaintFrame(bitmap, EditRegionOnSheet(tiles, doc.tileView));
}

std::vector<uint16_t> PaintSheetPicture(std::span<const uint8_t> indexes, const TileColours& palette, int32_t shift,
                                        bool grid)
{
    const std::array<uint16_t, 256> shifted = ShiftedColours(palette, shift);
    std::vector<uint16_t> bitmap(indexes.size());
    std::transform(indexes.begin(), indexes.end(), bitmap.begin(),
                   [&shifted](uint8_t index) { return shifted[index]; });
    if (grid) PaintGrid(bitmap.data(), static_cast<int32_t>(bitmap.size() / kSheetSide));
    return bitmap;
}

std::array<uint16_t, 256> PaintPaletteBox(const TileSession& tiles, const DocRecord& doc)
{
    return ShiftedColours(PaletteInUse(tiles, doc), tiles.colourShift);
}

std::vector<uint16_t> PaintEditRegion(const TileSession& tiles, const DocRecord& doc)
{
    return PaintIndexes(PaletteInUse(tiles, doc), tiles.colourShift, tiles.editBuffer.data(), RegionWidth(doc.tileView),
                        RegionHeight(doc.tileView), kEditBufferSide);
}

std::vector<uint16_t> PaintClipBoard(const TileSession& tiles, const DocRecord& doc)
{
    return PaintIndexes(PaletteInUse(tiles, doc), tiles.colourShift, tiles.clipBoard.data(), kClipBoardWidth,
                        kClipBoardHeight, kClipBoardWidth);
}

}  // namespace zarvo
