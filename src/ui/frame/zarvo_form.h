#pragma once
// The frame: menus, the editor windows in an MDI area, the status bar MDIBar and
// the blink timer Timer1. Every command acts on the active editor window's document.

#include "core/session.h"
#include "ui/common/prompter.h"
#include "ui/editor/view_context.h"

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace zarvo {

struct DocRecord;
class MdiStatusBar;
class TAboutBox;
class TColForm;
class TCompForm;
class TExpander;
class TSnes2Hex;
class TTMForm;
class TMDIChild;

class TZarvoForm final : public QMainWindow {
    Q_OBJECT
public:
    // Opens the help file; false when no viewer could show it.
    using HelpOpener = std::function<bool(const QUrl&)>;

    TZarvoForm(Session& session, Prompter& prompter, QWidget* parent = nullptr);
    ~TZarvoForm() override;

    void setHelpOpener(HelpOpener opener) { helpOpener_ = std::move(opener); }

    [[nodiscard]] ViewContext& viewContext() { return context_; }
    [[nodiscard]] MdiStatusBar* statusPanels() const { return MDIBar; }
    [[nodiscard]] QMdiArea* mdiArea() const { return mdiArea_; }
    [[nodiscard]] std::vector<TMDIChild*> editorWindows() const;
    // The active editor window, or none.
    [[nodiscard]] TMDIChild* activeEditor() const;
    // The settings dialog, created hidden with the frame.
    [[nodiscard]] TColForm* colForm() const { return ColForm; }

public slots:
    void Open1Click();
    void SaveFile1Click();
    void SaveFileAsClick();
    void Tbl11Click();
    void Tbl21Click();
    void tblv1Click();
    void tblv2Click();
    void Asciitbl1Click();
    void HexEditMode1Click(bool checked);
    void D_MBEClick(bool checked);
    void D_DTEClick(bool checked);
    void OffsetModeClick(OffsetMode mode);
    void ViewKanaClick(bool checked);
    void ViewStatusBar1Click(bool checked);
    void WindowCascadeItemClick();
    void TileVertical1Click();
    void TileHorizontal1Click();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    void RestoreAll1Click();
    void CloseAll1Click();
    void HelpTopics1Click();
    void AboutClick();
    void TableEdit1Click();
    void TableMaker1Click();
    // The ROM and patch tools: flag 0 makes a patch, 1 applies one.
    void _IpsSub(int flag);
    void SnesToHex1Click();
    void Checksum1Click();
    void ExpandROM1Click();
    void CompFilesClick();
    void Settings1Click();
    void SetFont1Click();
    void UpdateConfigurationFile1Click();
    void Timer1Timer();
    void UpdateMenuItems();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateViewMenu();
    void CreateToolsMenu();
    void CreateOptionsMenu();
    void CreateWindowMenu();
    void CreateTableEditor();
    void CreateToolWindows();
    // Both IPS items: the item's tag (its data) is the worker's flag.
    void IPSMake1Click(const QAction* item);
    void CreateHelpMenu();

    TMDIChild* NewEditorWindow(const QString& path);
    void OpenDocument(const QString& path);
    void FormActivate(QMdiSubWindow* subWindow);
    // Loads Table #1 (slot 0) or Table #2 (slot 1) into editor, from its remembered
    // path when autoLoad is set, else from a file the user picks.
    void LoadTableSlot(TMDIChild& editor, int slot, bool autoLoad);
    // Reads the document's active table file (the ASCII table when it cannot be read).
    void ReadActiveTable(DocRecord& doc);
    void SwitchTable(int slot);
    void AfterTableLoad(TMDIChild& editor);
    void SetSwapCaptions(const DocRecord& doc);
    [[nodiscard]] bool SaveEditor(TMDIChild& editor);
    [[nodiscard]] bool EditorCloseQuery(TMDIChild& editor);
    [[nodiscard]] bool CloseAllEditors();
    void RepaintAll();
    [[nodiscard]] std::vector<QMdiSubWindow*> editorSubWindows() const;
    [[nodiscard]] TMDIChild* activeEditorWithData() const;

    Session& session_;
    Prompter& prompter_;
    ViewContext context_;
    HelpOpener helpOpener_;
    QMdiArea* mdiArea_ = nullptr;
    MdiStatusBar* MDIBar = nullptr;
    QTimer* Timer1 = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TColForm* ColForm = nullptr;
    TTMForm* TMForm = nullptr;
    TSnes2Hex* Snes2Hex = nullptr;
    TCompForm* CompForm = nullptr;
    TExpander* Expander = nullptr;
    bool colorsLoaded_ = false;

    // Menu items, named as the program knows them.
    QMenu* File1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* SaveFile1 = nullptr;
    QAction* SaveFileAs = nullptr;
    QMenu* OpenTableFile1 = nullptr;
    QAction* Tbl11 = nullptr;
    QAction* Tbl21 = nullptr;
    QMenu* Swap1 = nullptr;
    QAction* tblv1 = nullptr;
    QAction* tblv2 = nullptr;
    QAction* Asciitbl1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* HexEditMode1 = nullptr;
    QAction* D_MBE = nullptr;
    QAction* D_DTE = nullptr;
    QMenu* View1 = nullptr;
    QMenu* DisplayOffsetasSnes1 = nullptr;
    QActionGroup* offsetModeGroup_ = nullptr;
    QAction* Standard = nullptr;
    QAction* LoROM1 = nullptr;
    QAction* LoROM2 = nullptr;
    QAction* HiROM1 = nullptr;
    QAction* SnesMem1 = nullptr;
    QAction* ViewKana = nullptr;
    QAction* ViewStatusBar1 = nullptr;
    QMenu* Tools1 = nullptr;
    QAction* TableEdit1 = nullptr;
    QAction* TableMaker1 = nullptr;
    QAction* IPSMake1 = nullptr;
    QAction* Patch1 = nullptr;
    QAction* SnesToHex1 = nullptr;
    QAction* Checksum1 = nullptr;
    QAction* ExpandROM1 = nullptr;
    QAction* CompFiles = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Settings1 = nullptr;
    QAction* SetFont1 = nullptr;
    QAction* UpdateConfigurationFile1 = nullptr;
    QMenu* Window1 = nullptr;
    QAction* WindowCascadeItem = nullptr;
    QAction* TileVertical1 = nullptr;
    QAction* TileHorizontal1 = nullptr;
    QAction* WindowArrangeItem = nullptr;
    QAction* WindowMinimizeItem = nullptr;
    QAction* RestoreAll1 = nullptr;
    QAction* CloseAll1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* HelpTopics1 = nullptr;
    QAction* About = nullptr;

    // Items usable only while at least one editor window is open.
    std::vector<QAction*> editorItems_;
};

}  // namespace zarvo
