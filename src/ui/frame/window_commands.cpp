#include "ui/frame/window_commands.h"

#include "ui/editor/mdi_child.h"
#include "ui/frame/document_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

#include <algorithm>

namespace zarvo {

WindowCommands::WindowCommands(QMdiArea& area, DocumentWindows& windows, QObject* parent)
    : QObject(parent),
      area_(area),
      windows_(windows)
{}

void WindowCommands::AddMenuItems(QMenu& window, EditorItems& editorItems)
{
    QAction* WindowCascadeItem =
        AddMenuAction(&window, "WindowCascadeItem", tr("&Cascade"), {}, tr("Cascade the windows"));
    QAction* TileVertical1 =
        AddMenuAction(&window, "TileVertical1", tr("Tile &Vertically"), {}, tr("Place the windows side by side"));
    QAction* TileHorizontal1 = AddMenuAction(&window, "TileHorizontal1", tr("Tile &Horizontally"), {},
                                             tr("Place the windows one above the other"));
    for (QAction* hidden : {WindowCascadeItem, TileVertical1, TileHorizontal1}) hidden->setVisible(false);
    QAction* WindowArrangeItem =
        AddMenuAction(&window, "WindowArrangeItem", tr("&Arrange Icons"), {}, tr("Line up the minimised windows"));
    QAction* WindowMinimizeItem =
        AddMenuAction(&window, "WindowMinimizeItem", tr("&Minimize All"), {}, tr("Minimise every window"));
    QAction* RestoreAll1 = AddMenuAction(&window, "RestoreAll1", tr("&Restore All"), {}, tr("Restore every window"));
    QAction* CloseAll1 = AddMenuAction(&window, "CloseAll1", tr("&Close All"), {}, tr("Close every window"));

    connect(WindowCascadeItem, &QAction::triggered, this, &WindowCommands::WindowCascadeItemClick);
    connect(TileVertical1, &QAction::triggered, this, &WindowCommands::TileVertical1Click);
    connect(TileHorizontal1, &QAction::triggered, this, &WindowCommands::TileHorizontal1Click);
    connect(WindowArrangeItem, &QAction::triggered, this, &WindowCommands::WindowArrangeItemClick);
    connect(WindowMinimizeItem, &QAction::triggered, this, &WindowCommands::WindowMinimizeItemClick);
    connect(RestoreAll1, &QAction::triggered, this, &WindowCommands::RestoreAll1Click);
    connect(CloseAll1, &QAction::triggered, this, &WindowCommands::CloseAll1Click);
    editorItems.insert(editorItems.end(), {WindowCascadeItem, TileVertical1, TileHorizontal1, WindowArrangeItem,
                                           WindowMinimizeItem, RestoreAll1, CloseAll1});
    window_ = &window;
    listSeparator_ = window.addSeparator();
    listSeparator_->setVisible(false);
    connect(&window, &QMenu::aboutToShow, this, &WindowCommands::UpdateWindowList);
}

void WindowCommands::UpdateWindowList()
{
    for (QAction* item : listed_) {
        window_->removeAction(item);
        delete item;
    }
    listed_.clear();
    const std::vector<QMdiSubWindow*> windows = windows_.subWindows();
    listSeparator_->setVisible(!windows.empty());
    const QMdiSubWindow* active = area_.currentSubWindow();
    for (std::size_t index = 0; index < windows.size(); ++index) {
        QMdiSubWindow* window = windows[index];
        QString name = window->windowTitle();
        name.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // The first nine are reached by their digit, as in every MDI program.
        const QString number = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QString::number(index + 1);
        QAction* item = window_->addAction(number + QLatin1Char(' ') + name);
        item->setObjectName(QStringLiteral("WindowList%1").arg(index + 1));
        item->setCheckable(true);
        item->setChecked(window == active);
        connect(item, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window) windows_.activate(window);
        });
        listed_.push_back(item);
    }
}

void WindowCommands::WindowCascadeItemClick()
{
    area_.cascadeSubWindows();
    windows_.repaintAll();
}

void WindowCommands::TileVertical1Click() { Tile(true); }

void WindowCommands::TileHorizontal1Click()
{
    Tile(false);
    // As the frame's own resize does: the active window is painted again.
    if (const std::shared_ptr<DocRecord> doc = windows_.document()) windows_.repaint(*doc);
}

void WindowCommands::Tile(bool vertical)
{
    std::vector<QMdiSubWindow*> shown = windows_.subWindows();
    std::erase_if(shown, [](const QMdiSubWindow* window) { return window->isMinimized(); });
    if (shown.empty()) return;
    const QRect area = area_.viewport()->rect();
    const int count = static_cast<int>(shown.size());
    const int width = vertical ? std::max(1, area.width() / count) : area.width();
    const int height = vertical ? area.height() : std::max(1, area.height() / count);
    for (int index = 0; index < count; ++index) {
        QMdiSubWindow* window = shown[static_cast<std::size_t>(index)];
        window->showNormal();
        window->setGeometry(vertical ? index * width : 0, vertical ? 0 : index * height, width, height);
    }
    for (TMDIChild* editor : windows_.editors()) {
        editor->FormPaint();
        QCoreApplication::processEvents();
    }
}

void WindowCommands::WindowArrangeItemClick()
{
    // Minimised windows line up along the bottom edge, a new line above when full.
    const QRect area = area_.viewport()->rect();
    int x = 0;
    int bottom = area.bottom() + 1;
    for (QMdiSubWindow* window : windows_.subWindows()) {
        if (!window->isMinimized()) continue;
        if (x > 0 && x + window->width() > area.width()) {
            x = 0;
            bottom -= window->height();
        }
        window->move(x, bottom - window->height());
        x += window->width();
    }
    windows_.repaintAll();
}

void WindowCommands::WindowMinimizeItemClick()
{
    for (QMdiSubWindow* window : windows_.subWindows()) window->showMinimized();
    windows_.repaintAll();
}

void WindowCommands::RestoreAll1Click()
{
    for (QMdiSubWindow* window : windows_.subWindows()) window->showNormal();
    windows_.repaintAll();
}

void WindowCommands::CloseAll1Click()
{
    (void)windows_.closeAll();
    emit windowsClosed();
}

}  // namespace zarvo
