#pragma once
// The frame: the menus, the editor windows in an MDI area with their documents, the
// status bar MDIBar and the blink timer Timer1. Each menu's commands belong to a
// feature's controller; the frame builds the menus, routes activation, and enables
// the items by the number of open editor windows.

#include "core/session.h"
#include "ui/common/menu_actions.h"
#include "ui/common/open_folder_prompter.h"
#include "ui/common/prompter.h"
#include "ui/editor/view_context.h"

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace zarvo {

class DocumentWindows;
class DumpCommands;
class FileCommands;
class HelpWindow;
class InputModeCommands;
class MdiStatusBar;
class ScriptCommands;
class SearchCommands;
class SettingsCommands;
class TAboutBox;
class TColForm;
class TMDIChild;
class TableCommands;
class UndoCommands;
class TileCommands;
class ToolCommands;
class ViewCommands;
class WindowCommands;

class TZarvoForm final : public QMainWindow {
    Q_OBJECT
public:
    // Opens the help file zarvo.chm; false when no viewer could show it.
    using HelpOpener = std::function<bool(const QUrl&)>;

    TZarvoForm(Session& session, Prompter& prompter, QWidget* parent = nullptr);
    ~TZarvoForm() override;

    void setHelpOpener(HelpOpener opener) { helpOpener_ = std::move(opener); }

    [[nodiscard]] ViewContext& viewContext() { return context_; }
    [[nodiscard]] MdiStatusBar* statusPanels() const { return MDIBar; }
    [[nodiscard]] QMdiArea* mdiArea() const { return mdiArea_; }
    [[nodiscard]] DocumentWindows& documents() const { return *documents_; }
    [[nodiscard]] std::vector<TMDIChild*> editorWindows() const;
    // The active editor window, or none.
    [[nodiscard]] TMDIChild* activeEditor() const;
    // The settings dialog, created hidden with the frame.
    [[nodiscard]] TColForm* colForm() const;

public slots:
    void HelpTopics1Click();
    void AboutClick();
    void Timer1Timer();
    void UpdateMenuItems();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenus();
    void FormActivate(QMdiSubWindow* subWindow);

    Session& session_;
    OpenFolderPrompter prompter_;
    ViewContext context_;
    HelpOpener helpOpener_;
    QMdiArea* mdiArea_ = nullptr;
    MdiStatusBar* MDIBar = nullptr;
    QTimer* Timer1 = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    bool colorsLoaded_ = false;
    bool windowsWereOpen_ = false;

    DocumentWindows* documents_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    InputModeCommands* inputModes_ = nullptr;
    UndoCommands* undoCommands_ = nullptr;
    ViewCommands* viewCommands_ = nullptr;
    TableCommands* tableCommands_ = nullptr;
    SearchCommands* searchCommands_ = nullptr;
    ToolCommands* toolCommands_ = nullptr;
    DumpCommands* dumpCommands_ = nullptr;
    ScriptCommands* scriptCommands_ = nullptr;
    SettingsCommands* settingsCommands_ = nullptr;
    WindowCommands* windowCommands_ = nullptr;
    TileCommands* tileCommands_ = nullptr;

    // Items usable only while at least one editor window is open.
    EditorItems editorItems_;
};

}  // namespace zarvo
