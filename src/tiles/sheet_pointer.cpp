#include "tiles/sheet_pointer.h"

#include "core/document_edit.h"
#include "tiles/edit_region.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_layout.h"
#include "tiles/sheet_write.h"

namespace zarvo {

namespace {

inline constexpr int32_t kWindowSize1x1 = 256;
inline constexpr int32_t kWindowSize2x2 = 384;

// The strips' cells: columns below the strips across, rows 0..15.
[[nodiscard]] bool OnStripCell(const DocRecord& doc, const SheetPoint& point)
{
    return point.cellColumn < SheetLayoutOf(doc).stripsAcross && point.cellRow < kSheetCells;
}

}  // namespace

EditorClient TileEditorClient(const TileSession& tiles)
{
    return {kSheetMargin + kSheetCells * tiles.cellSize, kSheetCells * tiles.cellSize};
}

void SetTileWindowSize(TileSession& tiles, int32_t tag)
{
    if (tag == kWindowSize1x1 || tag == kWindowSize2x2) tiles.cellSize = tag / kSheetCells;
}

std::optional<SheetPoint> PointerOnSheet(EditorClient client, int32_t x, int32_t y)
{
    const int64_t drawnWidth = int64_t{client.width} - kSheetMargin;
    const int64_t drawnHeight = client.height;
    const int64_t across = int64_t{x} - kSheetMargin;
    if (drawnWidth <= 0 || drawnHeight <= 0 || across < 0 || across >= drawnWidth || y < 0 || y >= drawnHeight) {
        return std::nullopt;
    }
    SheetPoint point;
    point.pixelX = static_cast<int32_t>(across * kSheetSide / drawnWidth);
    point.pixelY = static_cast<int32_t>(int64_t{y} * kSheetSide / drawnHeight);
    point.cellColumn = point.pixelX / 8;
    point.cellRow = point.pixelY / 8;
    return point;
}

void PickUp(TileSession& tiles, DocRecord& doc, const SheetPoint& point)
{
    PlaceCursorAt(tiles, doc.tileView, point.pixelX, point.pixelY);
    const PixelRect region = EditRegionOnSheet(tiles, doc.tileView);
    for (int32_t y = 0; y < region.height; ++y) {
        for (int32_t x = 0; x < region.width; ++x) {
            tiles.editBuffer[y * kEditBufferSide + x] = tiles.sheet[(region.y + y) * kSheetSide + region.x + x];
        }
    }
}

int32_t PutDown(TileSession& tiles, DocRecord& doc, const SheetPoint& point)
{
    PlaceCursorAt(tiles, doc.tileView, point.pixelX, point.pixelY);
    const PixelRect region = EditRegionOnSheet(tiles, doc.tileView);
    for (int32_t y = 0; y < region.height; ++y) {
        for (int32_t x = 0; x < region.width; ++x) {
            tiles.sheet[(region.y + y) * kSheetSide + region.x + x] = tiles.editBuffer[y * kEditBufferSide + x];
        }
    }
    // Every strip under the region goes back as one undo step.
    const EditStep step(doc);
    return WriteSheetRegion(doc, SheetLayoutOf(doc), tiles.sheet.data(), region);
}

SheetMouseResult MoveOverSheet(TileSession& tiles, DocRecord& doc, EditorClient client, int32_t x, int32_t y,
                               SheetButtons buttons)
{
    SheetMouseResult result;
    const auto point = PointerOnSheet(client, x, y);
    if (!point || !doc.hasData()) return result;
    if ((buttons.left || buttons.right) && OnStripCell(doc, *point)) {
        if (buttons.left) {
            PickUp(tiles, doc, *point);
            result.editRegionChanged = true;
        } else {
            result.documentChanged = PutDown(tiles, doc, *point) > 0;
        }
        RedrawSheet(tiles, doc, SheetRedraw::Full);
        result.sheetRedrawn = true;
    }
    PlaceCursorAt(tiles, doc.tileView, point->pixelX, point->pixelY);
    doc.tileView.cursorShown = 1;
    result.cursorMoved = true;
    return result;
}

void ActivateTileDocument(TileSession& tiles, DocRecord& doc)
{
    FixCursorData(tiles, doc.tileView);
    RedrawSheet(tiles, doc, SheetRedraw::Full);
}

void HideSheetCursor(DocRecord& doc) { doc.tileView.cursorShown = 0; }

}  // namespace zarvo
