#pragma once
// The tile sheet as the active editor window shows it while the tile editor is on:
// the 128 x 128 sheet stretched over the client area right of the 12-pixel margin,
// from top to bottom, each sheet pixel a block of screen pixels.

#include "core/document.h"
#include "core/tile_session.h"

#include <QRect>

class QPainter;

namespace zarvo {

// Where the sheet lands in a client area of that size.
[[nodiscard]] QRect SheetArea(const QSize& client);
// Draws the document's sheet (palette, shift, grid, raw view and cursor frame as the
// session and the document hold them). Changes nothing.
void PaintSheetWindow(QPainter& painter, const QSize& client, const TileSession& tiles, const DocRecord& doc);

}  // namespace zarvo
