#pragma once
// The Window menu: every editor window cascaded, tiled, lined up when minimised,
// minimised, restored or closed; below them the open windows, the active one checked,
// each item making its window the active one.

#include "ui/common/menu_actions.h"

#include <QObject>

#include <vector>

class QMdiArea;
class QMenu;

namespace zarvo {

class DocumentWindows;

class WindowCommands final : public QObject {
    Q_OBJECT
public:
    WindowCommands(QMdiArea& area, DocumentWindows& windows, QObject* parent = nullptr);

    void AddMenuItems(QMenu& window, EditorItems& editorItems);

public slots:
    void WindowCascadeItemClick();
    void TileVertical1Click();
    void TileHorizontal1Click();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    void RestoreAll1Click();
    void CloseAll1Click();
    // Lists the open windows at the end of the menu; run as the menu opens.
    void UpdateWindowList();

signals:
    void windowsClosed();

private:
    // Tiles the windows that are not minimised side by side (vertical) or one above
    // the other, each repainted while pending events run.
    void Tile(bool vertical);

    QMdiArea& area_;
    DocumentWindows& windows_;
    QMenu* window_ = nullptr;
    QAction* listSeparator_ = nullptr;
    std::vector<QAction*> listed_;
};

}  // namespace zarvo
