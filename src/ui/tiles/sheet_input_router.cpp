#include "ui/tiles/sheet_input_router.h"

#include "tiles/sheet_image.h"
#include "tiles/sheet_pointer.h"
#include "ui/tiles/sheet_painter.h"
#include "ui/tiles/tile_key_press.h"

#include <QPainter>
#include <QWidget>

namespace zarvo {

SheetInputRouter::SheetInputRouter(TileSession& tiles, QObject* parent) : QObject(parent), tiles_(tiles) {}

void SheetInputRouter::refresh(QWidget& window, DocRecord& doc, bool active)
{
    window.update();
    if (!active || !doc.hasData()) return;
    RedrawSheet(tiles_, doc, SheetRedraw::Full);
    emit sheetShown();
}

void SheetInputRouter::paint(QPainter& painter, const QWidget& window, const DocRecord& doc, bool active) const
{
    // The window's own background has cleared everything to black.
    if (active && doc.hasData()) PaintSheetWindow(painter, window.size(), tiles_, doc);
}

void SheetInputRouter::keyPressed(const QKeyEvent& event) { emit tileKey(TileKeyPressFor(event)); }

void SheetInputRouter::pointerMoved(QWidget& window, DocRecord& doc, QPoint position, Qt::MouseButtons buttons)
{
    const SheetButtons held{buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton)};
    const SheetMouseResult result =
        MoveOverSheet(tiles_, doc, EditorClient{window.width(), window.height()}, position.x(), position.y(), held);
    if (result.cursorMoved || result.sheetRedrawn) window.update();
    if (result.editRegionChanged) emit editRegionChanged();
}

void SheetInputRouter::wheelTurned(int notches)
{
    TileKeyPress press;
    press.key = notches > 0 ? TileKey::Up : TileKey::Down;
    for (int notch = notches < 0 ? -notches : notches; notch > 0; --notch) emit tileKey(press);
}

}  // namespace zarvo
