#pragma once
// What an editor window does while the tile editor is on: it paints the sheet
// instead of the hex view, and hands its keys, pointer and wheel here instead of to
// the hex editing. The router calls the tile logic for the pointer and passes keys
// on to the tile window, which acts on them as on its own.

#include "core/document.h"
#include "core/tile_session.h"
#include "tiles/tile_keys.h"
#include "ui/common/view_takeover.h"

#include <QObject>
#include <QPoint>

class QKeyEvent;
class QPainter;
class QWidget;

namespace zarvo {

class SheetInputRouter final : public QObject, public ViewTakeover {
    Q_OBJECT
public:
    explicit SheetInputRouter(TileSession& tiles, QObject* parent = nullptr);

    // True while the tile editor has the editor windows.
    [[nodiscard]] bool takesOver() const override { return tiles_.editorOn; }

    // A full repaint of an editor window: the active one's sheet is decoded afresh from
    // its document (through the end-of-data clamp) and the tile window follows.
    void refresh(QWidget& window, DocRecord& doc, bool active) override;
    // Paints the window: the sheet in the active one, black in the others (the sheet
    // image belongs to the active document).
    void paint(QPainter& painter, const QWidget& window, const DocRecord& doc, bool active) const override;

    void keyPressed(const QKeyEvent& event) override;
    // A move or a press over the active window, with the buttons held at that moment.
    void pointerMoved(QWidget& window, DocRecord& doc, QPoint position, Qt::MouseButtons buttons) override;
    // Whole wheel notches: each one a strip row back (away from the user) or on.
    void wheelTurned(int notches) override;

signals:
    // A key for the tile window to act on.
    void tileKey(const TileKeyPress& press);
    // The tile window shows the active document afresh.
    void sheetShown();
    // The edit region took pixels from the sheet.
    void editRegionChanged();

private:
    TileSession& tiles_;
};

}  // namespace zarvo
