// The frame's menus, one function per menu.

#include "ui/common/menu_actions.h"
#include "ui/frame/zarvo_form.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace zarvo {

void TZarvoForm::CreateFileMenu()
{
    File1 = menuBar()->addMenu(tr("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Open1 = AddMenuAction(File1, "Open1", tr("&Open File for Editing..."), QKeySequence(tr("Ctrl+O")),
                          tr("Open a file for editing"));
    SaveFile1 = AddMenuAction(File1, "SaveFile1", tr("&Save File..."), QKeySequence(tr("Ctrl+S")),
                              tr("Write the file back to disk"));
    SaveFileAs = AddMenuAction(File1, "SaveFileAs", tr("Save File &As"), QKeySequence(tr("Ctrl+A")),
                               tr("Write the file under a new name"));
    File1->addSeparator();
    OpenTableFile1 = AddSubMenu(File1, "OpenTableFile1", tr("Open Table File"), tr("Open 1 or 2 table files"));
    Tbl11 = AddMenuAction(OpenTableFile1, "Tbl11", tr("Table #1"), {}, tr("Load a table file as Table #1"));
    Tbl21 = AddMenuAction(OpenTableFile1, "Tbl21", tr("Table #2"), {}, tr("Load a table file as Table #2"));
    Swap1 = AddSubMenu(File1, "Swap1", tr("Swap Table Files"), tr("Swap table files"));
    tblv1 = AddMenuAction(Swap1, "tblv1", QStringLiteral("..."), QKeySequence(tr("Ctrl+1")), tr("Switch to Table #1"));
    tblv2 = AddMenuAction(Swap1, "tblv2", QStringLiteral("..."), QKeySequence(tr("Ctrl+2")), tr("Switch to Table #2"));
    Asciitbl1 = AddMenuAction(Swap1, "Asciitbl1", QStringLiteral("Ascii.tbl"), QKeySequence(tr("Ctrl+3")),
                              tr("Switch to the built-in ASCII table"));
    File1->addSeparator();
    Exit1 = AddMenuAction(File1, "Exit1", tr("E&xit"), QKeySequence(tr("Alt+X")), tr("Close the program"));

    connect(Open1, &QAction::triggered, this, &TZarvoForm::Open1Click);
    connect(SaveFile1, &QAction::triggered, this, &TZarvoForm::SaveFile1Click);
    connect(SaveFileAs, &QAction::triggered, this, &TZarvoForm::SaveFileAsClick);
    connect(Tbl11, &QAction::triggered, this, &TZarvoForm::Tbl11Click);
    connect(Tbl21, &QAction::triggered, this, &TZarvoForm::Tbl21Click);
    connect(tblv1, &QAction::triggered, this, &TZarvoForm::tblv1Click);
    connect(tblv2, &QAction::triggered, this, &TZarvoForm::tblv2Click);
    connect(Asciitbl1, &QAction::triggered, this, &TZarvoForm::Asciitbl1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    editorItems_.insert(editorItems_.end(), {SaveFile1, SaveFileAs, OpenTableFile1->menuAction(), Swap1->menuAction()});
}

void TZarvoForm::CreateEditMenu()
{
    Edit1 = menuBar()->addMenu(tr("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->menuAction()->setObjectName(QStringLiteral("Edit1"));
    HexEditMode1 = AddCheckAction(Edit1, "HexEditMode1", tr("&Hex / Text Edit Mode"), QKeySequence(Qt::Key_Tab),
                                  tr("Switch between hexadecimal and text input"), false);
    D_MBE =
        AddCheckAction(Edit1, "D_MBE", tr("Enable / Disable 16-Bit ASCII Input"), QKeySequence(Qt::SHIFT | Qt::Key_Tab),
                       tr("Text input never falls back to two-byte table entries"), false);
    // X11 matches Shift+Tab; other sources send the key as Shift+Backtab.
    D_MBE->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::SHIFT | Qt::Key_Backtab)});
    D_DTE = AddCheckAction(Edit1, "D_DTE", tr("Enable / Disable DTE Inserting"), QKeySequence(Qt::ALT | Qt::Key_Tab),
                           tr("Typed characters are joined into DTE bytes"), false);
    // The keys reach these items wherever the focus is in the frame, before any
    // widget could take Tab for moving the focus.
    for (QAction* item : {HexEditMode1, D_MBE, D_DTE}) item->setShortcutContext(Qt::WindowShortcut);

    connect(HexEditMode1, &QAction::triggered, this, &TZarvoForm::HexEditMode1Click);
    connect(D_MBE, &QAction::triggered, this, &TZarvoForm::D_MBEClick);
    connect(D_DTE, &QAction::triggered, this, &TZarvoForm::D_DTEClick);

    editorItems_.push_back(HexEditMode1);
}

void TZarvoForm::CreateViewMenu()
{
    View1 = menuBar()->addMenu(tr("&View"));
    View1->setObjectName(QStringLiteral("View1"));
    DisplayOffsetasSnes1 = AddSubMenu(View1, "DisplayOffsetasSnes1", tr("Display Offset as..."),
                                      tr("Show offsets as file offsets or SNES addresses"));
    offsetModeGroup_ = new QActionGroup(this);
    offsetModeGroup_->setExclusive(true);
    struct OffsetItem {
        QAction** item;
        const char* name;
        QString caption;
        const char* shortcut;
        QString hint;
        OffsetMode mode;
    };
    const OffsetItem items[] = {
        {&Standard, "Standard", tr("&Standard ( Linear Offset )"), "Ctrl+Alt+S", tr("Show file offsets"),
         OffsetMode::Standard},
        {&LoROM1, "LoROM1", tr("SNES &Lo-ROM ( Slow ROM )"), "Ctrl+Alt+L", tr("Show SNES Lo-ROM addresses"),
         OffsetMode::LoRomSlow},
        {&LoROM2, "LoROM2", tr("SNES &Lo-ROM ( Fast ROM )"), "Ctrl+Alt+F", tr("Show SNES Lo-ROM addresses of fast ROM"),
         OffsetMode::LoRomFast},
        {&HiROM1, "HiROM1", tr("SNES &Hi-ROM"), "Ctrl+Alt+H", tr("Show SNES Hi-ROM addresses"), OffsetMode::HiRom},
        {&SnesMem1, "SnesMem1", tr("SNES &Memory"), "Ctrl+Alt+M", tr("Show SNES memory addresses"),
         OffsetMode::SnesMemory},
    };
    for (const OffsetItem& item : items) {
        *item.item = AddCheckAction(DisplayOffsetasSnes1, item.name, item.caption,
                                    QKeySequence(QString::fromLatin1(item.shortcut)), item.hint,
                                    item.mode == OffsetMode::Standard, offsetModeGroup_);
        const OffsetMode mode = item.mode;
        connect(*item.item, &QAction::triggered, this, [this, mode] { OffsetModeClick(mode); });
    }
    ViewKana = AddCheckAction(View1, "ViewKana", tr("View Text &Data as Unicode"), QKeySequence(tr("Ctrl+D")),
                              tr("Show the text column as Japanese text"), false);
    ViewStatusBar1 = AddCheckAction(View1, "ViewStatusBar1", tr("View Stat&us Bar"), QKeySequence(tr("Ctrl+U")),
                                    tr("Show or hide the status bar"), true);
    connect(ViewKana, &QAction::triggered, this, &TZarvoForm::ViewKanaClick);
    connect(ViewStatusBar1, &QAction::triggered, this, &TZarvoForm::ViewStatusBar1Click);

    editorItems_.push_back(ViewKana);
}

void TZarvoForm::CreateToolsMenu()
{
    Tools1 = menuBar()->addMenu(tr("&Tools"));
    Tools1->setObjectName(QStringLiteral("Tools1"));
    Tools1->menuAction()->setObjectName(QStringLiteral("Tools1"));
    TableEdit1 = AddMenuAction(Tools1, "TableEdit1", tr("&Table Editor"), QKeySequence(tr("Ctrl+T")),
                               tr("Edit current table file"));
    TableMaker1 =
        AddMenuAction(Tools1, "TableMaker1", tr("Table &Maker"), QKeySequence(tr("Ctrl+M")), tr("Make a Table File"));
    connect(TableEdit1, &QAction::triggered, this, &TZarvoForm::TableEdit1Click);
    connect(TableMaker1, &QAction::triggered, this, &TZarvoForm::TableMaker1Click);

    Tools1->addSeparator();
    IPSMake1 = AddMenuAction(Tools1, "IPSMake1", tr("&Create an IPS File"), QKeySequence(Qt::Key_F5),
                             tr("Create an IPS file"));
    Patch1 = AddMenuAction(Tools1, "Patch1", tr("&Patch Current File"), QKeySequence(Qt::Key_F6),
                           tr("Patch the current File"));
    IPSMake1->setData(0);
    Patch1->setData(1);
    Tools1->addSeparator();
    SnesToHex1 = AddMenuAction(Tools1, "SnesToHex1", tr("Snes To &Hex"), QKeySequence(tr("Ctrl+E")),
                               tr("Convert Snes Addresses To Hex"));
    Checksum1 = AddMenuAction(Tools1, "Checksum1", tr("&Repair SNES Checksum"), QKeySequence(tr("Ctrl+P")),
                              tr("Repair the checksum in a SNES file"));
    ExpandROM1 = AddMenuAction(Tools1, "ExpandROM1", tr("&Increase / Decrease ROM Size "), QKeySequence(tr("Ctrl+N")),
                               tr("Change a ROM's file size"));
    CompFiles = AddMenuAction(Tools1, "CompFiles", tr("C&ompare Files"), QKeySequence(tr("Ctrl+C")),
                              tr("Compare two files byte by byte"));
    connect(IPSMake1, &QAction::triggered, this, [this] { IPSMake1Click(IPSMake1); });
    connect(Patch1, &QAction::triggered, this, [this] { IPSMake1Click(Patch1); });
    connect(SnesToHex1, &QAction::triggered, this, &TZarvoForm::SnesToHex1Click);
    connect(Checksum1, &QAction::triggered, this, &TZarvoForm::Checksum1Click);
    connect(ExpandROM1, &QAction::triggered, this, &TZarvoForm::ExpandROM1Click);
    connect(CompFiles, &QAction::triggered, this, &TZarvoForm::CompFilesClick);

    editorItems_.insert(editorItems_.end(), {IPSMake1, Patch1, Checksum1, ExpandROM1});
}

void TZarvoForm::CreateOptionsMenu()
{
    Options1 = menuBar()->addMenu(tr("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));
    Options1->menuAction()->setObjectName(QStringLiteral("Options1"));
    Settings1 = AddMenuAction(Options1, "Settings1", tr("Sett&ings..."), QKeySequence(tr("Ctrl+I")),
                              tr("Change the display settings"));
    SetFont1 = AddMenuAction(Options1, "SetFont1", tr("Set &Font..."), {}, tr("Select New font for  output"));
    UpdateConfigurationFile1 = AddMenuAction(Options1, "UpdateConfigurationFile1", tr("Update &Config File..."), {},
                                             tr("Write the settings file now"));
    UpdateConfigurationFile1->setVisible(false);

    connect(Settings1, &QAction::triggered, this, &TZarvoForm::Settings1Click);
    connect(SetFont1, &QAction::triggered, this, &TZarvoForm::SetFont1Click);
    connect(UpdateConfigurationFile1, &QAction::triggered, this, &TZarvoForm::UpdateConfigurationFile1Click);
}

void TZarvoForm::CreateWindowMenu()
{
    Window1 = menuBar()->addMenu(tr("&Window"));
    Window1->setObjectName(QStringLiteral("Window1"));
    WindowCascadeItem = AddMenuAction(Window1, "WindowCascadeItem", tr("&Cascade"), {}, tr("Cascade the windows"));
    TileVertical1 =
        AddMenuAction(Window1, "TileVertical1", tr("Tile &Vertically"), {}, tr("Place the windows side by side"));
    TileHorizontal1 = AddMenuAction(Window1, "TileHorizontal1", tr("Tile &Horizontally"), {},
                                    tr("Place the windows one above the other"));
    for (QAction* hidden : {WindowCascadeItem, TileVertical1, TileHorizontal1}) hidden->setVisible(false);
    WindowArrangeItem =
        AddMenuAction(Window1, "WindowArrangeItem", tr("&Arrange Icons"), {}, tr("Line up the minimised windows"));
    WindowMinimizeItem =
        AddMenuAction(Window1, "WindowMinimizeItem", tr("&Minimize All"), {}, tr("Minimise every window"));
    RestoreAll1 = AddMenuAction(Window1, "RestoreAll1", tr("&Restore All"), {}, tr("Restore every window"));
    CloseAll1 = AddMenuAction(Window1, "CloseAll1", tr("&Close All"), {}, tr("Close every window"));

    connect(WindowCascadeItem, &QAction::triggered, this, &TZarvoForm::WindowCascadeItemClick);
    connect(TileVertical1, &QAction::triggered, this, &TZarvoForm::TileVertical1Click);
    connect(TileHorizontal1, &QAction::triggered, this, &TZarvoForm::TileHorizontal1Click);
    connect(WindowArrangeItem, &QAction::triggered, this, &TZarvoForm::WindowArrangeItemClick);
    connect(WindowMinimizeItem, &QAction::triggered, this, &TZarvoForm::WindowMinimizeItemClick);
    connect(RestoreAll1, &QAction::triggered, this, &TZarvoForm::RestoreAll1Click);
    connect(CloseAll1, &QAction::triggered, this, &TZarvoForm::CloseAll1Click);

    editorItems_.insert(editorItems_.end(), {WindowCascadeItem, TileVertical1, TileHorizontal1, WindowArrangeItem,
                                             WindowMinimizeItem, RestoreAll1, CloseAll1});
}

void TZarvoForm::CreateHelpMenu()
{
    Help1 = menuBar()->addMenu(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->menuAction()->setObjectName(QStringLiteral("Help1"));
    HelpTopics1 =
        AddMenuAction(Help1, "HelpTopics1", tr("&Help Topics"), QKeySequence(Qt::Key_F1), tr("Show the help file"));
    About = AddMenuAction(Help1, "About", tr("&About Zarvo for Win32"), {}, tr("About this program"));
    connect(HelpTopics1, &QAction::triggered, this, &TZarvoForm::HelpTopics1Click);
    connect(About, &QAction::triggered, this, &TZarvoForm::AboutClick);
}

}  // namespace zarvo
