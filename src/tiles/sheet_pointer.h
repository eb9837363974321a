#pragma once
// The mouse over an editor window while the tile editor is on. The sheet is drawn
// stretched over the client area right of a 12-pixel margin, and pointer positions
// map through that drawn area, so a click acts on the sheet pixel under the pointer.

#include "core/document.h"
#include "core/tile_session.h"

#include <cstdint>
#include <optional>

namespace zarvo {

inline constexpr int32_t kSheetMargin = 12;

// An editor window's client area, in pixels.
struct EditorClient {
    int32_t width = 0;
    int32_t height = 0;
};

// Where the pointer is on the sheet: the sheet pixel and its 8 x 8 cell.
struct SheetPoint {
    int32_t pixelX = 0;
    int32_t pixelY = 0;
    int32_t cellColumn = 0;
    int32_t cellRow = 0;
};

struct SheetButtons {
    bool left = false;   // pick up
    bool right = false;  // put down
};

// What a pointer event changed, so the window knows what to repaint.
struct SheetMouseResult {
    bool sheetRedrawn = false;       // the sheet image was drawn again from the document
    bool editRegionChanged = false;  // the edit buffer took new pixels
    bool documentChanged = false;    // bytes were written
    bool cursorMoved = false;        // the region's frame moved and is shown
};

// The client area the tile editor gives each editor window: the margin and 16 cells
// of the cell size each way (268 x 256 for 1 x 1, 396 x 384 for 2 x 2).
[[nodiscard]] EditorClient TileEditorClient(const TileSession& tiles);
// "Tile Window Size": tag 256 (1 x 1) or 384 (2 x 2) gives the cell size tag / 16.
void SetTileWindowSize(TileSession& tiles, int32_t tag);

// The sheet point under (x, y); nothing left of the margin or outside the client area.
[[nodiscard]] std::optional<SheetPoint> PointerOnSheet(EditorClient client, int32_t x, int32_t y);

// A pointer move (or a press) over the active editor window: with a button down the
// button's action on the cells that hold strips (left picks the region up into the
// edit buffer, right puts the edit buffer down into the document, then the sheet is
// redrawn whole), and the cursor frame moved to the pointer and shown.
SheetMouseResult MoveOverSheet(TileSession& tiles, DocRecord& doc, EditorClient client, int32_t x, int32_t y,
                               SheetButtons buttons);

// Copies the region placed at the point from the sheet image into the edit buffer.
void PickUp(TileSession& tiles, DocRecord& doc, const SheetPoint& point);
// Copies the edit region into the sheet image at the point and encodes the strips it
// overlaps into the document; returns how many strips were written.
int32_t PutDown(TileSession& tiles, DocRecord& doc, const SheetPoint& point);

// An editor window became active while the tile editor is on: its cursor data
// applied and its sheet drawn whole.
void ActivateTileDocument(TileSession& tiles, DocRecord& doc);
// The pointer left the sheet for the tile window: the frame is no longer drawn.
void HideSheetCursor(DocRecord& doc);

}  // namespace zarvo
