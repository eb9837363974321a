#pragma once
// The tile editor's commands in the frame's Tools menu: "Tile &Editor Engine"
// (TileEdit1, Ctrl+L), which hands every editor window to the tile sheet and back,
// and "Tile Window Size". The tile window, the status bar TileBAR and the router the
// editor windows pass their input to are created once here and reused.

#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace zarvo {

struct DocRecord;
struct Session;
struct ViewContext;
class EditorWindows;
class MdiStatusBar;
class SheetInputRouter;
class TTileForm;
class TileStatusBar;

class TileCommands final : public QObject {
    Q_OBJECT
public:
    // The editor windows of `windows` draw with `context`, which learns the router
    // here; MDIBar is the status bar TileBAR stands in for; showHelp runs the frame's
    // help command.
    TileCommands(Session& session, Prompter& prompter, EditorWindows& windows, ViewContext& context,
                 MdiStatusBar& MDIBar, std::function<void()> showHelp, QWidget* frame);

    // TileEdit1 and the TileWindowSize1 sub-menu.
    void AddMenuItems(QMenu& tools, EditorItems& editorItems);

    [[nodiscard]] TileStatusBar* statusBar() const { return TileBAR; }
    [[nodiscard]] TTileForm* tileWindow() const { return TileForm; }

    // A menu hint: shown in TileBAR's last panel while the tile editor is on (true),
    // else left to MDIBar (false).
    [[nodiscard]] bool ShowHint(const QString& hint);
    // An editor window became active while the tile editor is on: its cursor data
    // applied, its sheet drawn whole, the windows repainted.
    void DocumentActivated(DocRecord& doc);

public slots:
    void TileEdit1Click();
    // Both window size items; the tag is the client's side: 256 (1 x 1) or 384 (2 x 2).
    void N1x1Click(int tag);

private:
    void TurnOn();
    void TurnOff();
    // Windows opened while the tile editor is on get its size and pointer; when the
    // last one has closed, the tile editor goes off.
    void WindowsChanged();
    void PrepareForSheet(QWidget& editor);
    void ShowActiveSheet();

    Session& session_;
    EditorWindows& windows_;
    MdiStatusBar& MDIBar;
    SheetInputRouter* router_ = nullptr;
    TileStatusBar* TileBAR = nullptr;
    TTileForm* TileForm = nullptr;
    QAction* TileEdit1 = nullptr;
    QAction* TileWindowSize1 = nullptr;
    bool mdiBarWasShown_ = true;  // MDIBar comes back as the View menu left it
    bool placed_ = false;         // the tile window is centred on the screen the first time only
};

}  // namespace zarvo
