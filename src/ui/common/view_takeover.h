#pragma once
// What may take over the editor windows' view (the tile editor does, with its sheet):
// while it takes over, an editor window paints what it paints instead of the hex view
// and hands it its keys, pointer and wheel instead of the hex editing. The editor
// windows know only this; the tile editor implements it.

#include <QPoint>
#include <Qt>

class QKeyEvent;
class QPainter;
class QWidget;

namespace zarvo {

struct DocRecord;

class ViewTakeover {
public:
    virtual ~ViewTakeover() = default;

    // True while it has the editor windows.
    [[nodiscard]] virtual bool takesOver() const = 0;
    // A full repaint of an editor window showing doc; active: the frame's active one.
    virtual void refresh(QWidget& window, DocRecord& doc, bool active) = 0;
    // Paints the window in its place.
    virtual void paint(QPainter& painter, const QWidget& window, const DocRecord& doc, bool active) const = 0;
    virtual void keyPressed(const QKeyEvent& event) = 0;
    // A move or a press over the active window, with the buttons held at that moment.
    virtual void pointerMoved(QWidget& window, DocRecord& doc, QPoint position, Qt::MouseButtons buttons) = 0;
    // Whole wheel notches, positive away from the user.
    virtual void wheelTurned(int notches) = 0;

protected:
    ViewTakeover() = default;
    ViewTakeover(const ViewTakeover&) = default;
    ViewTakeover& operator=(const ViewTakeover&) = default;
};

}  // namespace zarvo
