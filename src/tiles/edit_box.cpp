#include "tiles/edit_box.h"

#include "tiles/tile_format.h"
#include "tiles/tile_palette.h"

#include <algorithm>

namespace zarvo {

std::optional<EditPixel> EditPixelAt(const TileSession& tiles, const TileViewState& state, int32_t x, int32_t y)
{
    if (x < 0 || y < 0 || tiles.zoomX <= 0 || tiles.zoomY <= 0) return std::nullopt;
    const EditPixel pixel{x / tiles.zoomX, y / tiles.zoomY};
    if (pixel.column >= RegionWidth(state) || pixel.row >= RegionHeight(state)) return std::nullopt;
    return pixel;
}

PixelRect EditPixelOutline(const TileSession& tiles, const EditPixel& pixel)
{
    return {pixel.column * tiles.zoomX, pixel.row * tiles.zoomY, tiles.zoomX, tiles.zoomY};
}

bool PaintEditPixel(TileSession& tiles, const DocRecord& doc, int32_t x, int32_t y, MouseButton button)
{
    const auto pixel = EditPixelAt(tiles, doc.tileView, x, y);
    if (!pixel) return false;
    const int32_t colour = button == MouseButton::Left ? doc.tileView.leftColour : doc.tileView.rightColour;
    tiles.editBuffer[pixel->row * kEditBufferSide + pixel->column] = static_cast<uint8_t>(colour);
    return true;
}

std::optional<int32_t> PaletteIndexAt(int32_t x, int32_t y)
{
    if (x < 0 || y < 0 || x >= kPaletteBoxSide || y >= kPaletteBoxSide) return std::nullopt;
    return 16 * (y / 8) + x / 8;
}

bool PickPaletteColour(TileSession& tiles, DocRecord& doc, int32_t x, int32_t y, MouseButton button)
{
    const auto index = PaletteIndexAt(x, y);
    if (!index || *index > TileFormatOf(doc.tileView.format).highestIndex) return false;
    const uint16_t shown = ColourOfIndex(PaletteInUse(tiles, doc), *index, tiles.colourShift);
    if (button == MouseButton::Left) {
        doc.tileView.leftColour = *index;
        tiles.leftSwatch = shown;
    } else {
        doc.tileView.rightColour = *index;
        tiles.rightSwatch = shown;
    }
    return true;
}

std::optional<EditPixel> ClipBoardPlaceAt(const TileViewState& state, int32_t x, int32_t y)
{
    constexpr int32_t kBoxCell = 8 * kClipBoardZoom;
    if (x < 0 || y < 0) return std::nullopt;
    const int32_t column = x / kBoxCell;
    const int32_t row = y / kBoxCell;
    if (column >= kClipBoardCellsAcross || row >= 16) return std::nullopt;
    return EditPixel{std::min(column, kClipBoardCellsAcross - RegionWidth(state) / 8),
                     std::min(row, kClipBoardCellsDown - RegionHeight(state) / 8)};
}

PixelRect ClipBoardFrame(const TileViewState& state, const EditPixel& place)
{
    return {8 * place.column, 8 * place.row, RegionWidth(state), RegionHeight(state)};
}

std::optional<EditPixel> UseClipBoard(TileSession& tiles, const DocRecord& doc, int32_t x, int32_t y,
                                      MouseButton button)
{
    const auto place = ClipBoardPlaceAt(doc.tileView, x, y);
    if (!place) return std::nullopt;
    const PixelRect frame = ClipBoardFrame(doc.tileView, *place);
    for (int32_t row = 0; row < frame.height; ++row) {
        for (int32_t column = 0; column < frame.width; ++column) {
            uint8_t& kept = tiles.clipBoard[(frame.y + row) * kClipBoardWidth + frame.x + column];
            uint8_t& edited = tiles.editBuffer[row * kEditBufferSide + column];
            if (button == MouseButton::Left) {
                edited = kept;
            } else {
                kept = edited;
            }
        }
    }
    return place;
}

}  // namespace zarvo
