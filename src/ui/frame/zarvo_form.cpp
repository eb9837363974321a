#include "ui/frame/zarvo_form.h"

#include "core/document.h"
#include "core/messages.h"
#include "ui/common/qt_text.h"
#include "ui/dump/dump_commands.h"
#include "ui/editor/input_mode_commands.h"
#include "ui/editor/mdi_child.h"
#include "ui/editor/mdi_status_bar.h"
#include "ui/editor/undo_commands.h"
#include "ui/editor/view_commands.h"
#include "ui/frame/about_box.h"
#include "ui/frame/document_windows.h"
#include "ui/frame/file_commands.h"
#include "ui/frame/window_commands.h"
#include "ui/help/help_window.h"
#include "ui/script/script_commands.h"
#include "ui/search/search_commands.h"
#include "ui/search/tlist_form.h"
#include "ui/settings/settings_commands.h"
#include "ui/tables/table_commands.h"
#include "ui/tiles/tile_commands.h"
#include "ui/tiles/tile_status_bar.h"
#include "ui/tools/tool_commands.h"
#include "view/colour_table.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace zarvo {

namespace {

constexpr int kBlinkMilliseconds = 500;

QMenu* AddTopMenu(QMenuBar* bar, const char* objectName, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(objectName));
    menu->menuAction()->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

}  // namespace

TZarvoForm::TZarvoForm(Session& session, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      prompter_(prompter, session),
      context_(session),
      helpOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("ZarvoForm"));
    setWindowTitle(Text(messages::kApplicationTitle));
    resize(494, 481);

    // The menu bar comes first among the frame's children, so that its items are the
    // ones found by name before any dialog's items of the same name.
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIArea"));
    // Editor windows dragged beyond the frame stay reachable.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The workspace above the tile status bar, which stands in for MDIBar while the
    // tile editor is on.
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(mdiArea_);
    setCentralWidget(centre);
    MDIBar = new MdiStatusBar(this);
    setStatusBar(MDIBar);
    context_.statusBar = MDIBar;
    context_.prompter = &prompter_;

    // The rows' height came with the view font; the rest starts afresh.
    session_.view.offsetMode = OffsetMode::Standard;
    session_.view.bytesPerRow = 16;
    session_.view.pageBytes = 0;
    // The settings file and the help file are looked for where the program started.
    const QString workingDirectory = QDir::currentPath();
    session_.currentDirectory = ToPath(workingDirectory);
    session_.settingsPath = ToPath(workingDirectory + QStringLiteral("/zv32ex.ini"));
    session_.helpPath = ToPath(workingDirectory + QStringLiteral("/zarvo.chm"));
    session_.applicationReady = true;

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kBlinkMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TZarvoForm::Timer1Timer);
    Timer1->start();

    documents_ = new DocumentWindows(*mdiArea_, context_, this);
    aboutBox_ = new TAboutBox(this);
    helpWindow_ = new HelpWindow(this);
    fileCommands_ = new FileCommands(session_, prompter_, *documents_, this);
    documents_->setCloseQuery([this](DocRecord& doc) { return fileCommands_->EditorCloseQuery(doc); });
    inputModes_ = new InputModeCommands(session_, *documents_, this);
    undoCommands_ = new UndoCommands(*documents_, this);
    viewCommands_ = new ViewCommands(session_, *documents_, *MDIBar, this);
    tableCommands_ = new TableCommands(
        session_, prompter_, *documents_, [this] { HelpTopics1Click(); }, this);
    searchCommands_ = new SearchCommands(
        session_, prompter_, *documents_,
        [this](const std::vector<std::string>& lines) { tableCommands_->EditPreparedLines(lines); }, this);
    toolCommands_ = new ToolCommands(
        session_, prompter_, *documents_, [this] { fileCommands_->SaveFile1Click(); }, this);
    dumpCommands_ = new DumpCommands(
        session_, prompter_, *documents_, [this](DocRecord& doc) { tableCommands_->AfterTableLoad(doc); }, this);
    // Reads the settings file, so the paths above exist first; it stops the timer
    // when blinking is off.
    settingsCommands_ = new SettingsCommands(context_, prompter_, *documents_, *Timer1, this);
    scriptCommands_ = new ScriptCommands(session_, prompter_, *documents_, *searchCommands_->resultList(), this);
    windowCommands_ = new WindowCommands(*mdiArea_, *documents_, this);
    tileCommands_ = new TileCommands(
        session_, prompter_, *documents_, context_, *MDIBar, [this] { HelpTopics1Click(); }, this);
    column->addWidget(tileCommands_->statusBar());
    CreateMenus();
    // Dump From List shows the result list in its label modes; what is chosen there is dumped.
    TListForm* list = searchCommands_->resultList();
    list->setDumpHooks({[this](int32_t mode, const std::vector<std::string>& labels) {
                            dumpCommands_->DumpFromList(labels, mode == 1 ? DumpKind::Binary : DumpKind::Text);
                        },
                        [this] { dumpCommands_->EmptyDumpOffsets(); }});
    connect(dumpCommands_, &DumpCommands::dumpListRequested, list, &TListForm::ShowDumpLabels);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TZarvoForm::FormActivate);
    connect(documents_, &DocumentWindows::windowsChanged, this, &TZarvoForm::UpdateMenuItems);
    connect(documents_, &DocumentWindows::documentShown, undoCommands_, &UndoCommands::UpdateItems);
    connect(fileCommands_, &FileCommands::documentsChanged, this, &TZarvoForm::UpdateMenuItems);
    connect(tableCommands_, &TableCommands::tableLoaded, this, &TZarvoForm::UpdateMenuItems);
    connect(inputModes_, &InputModeCommands::inputModeChanged, this, &TZarvoForm::UpdateMenuItems);
    connect(windowCommands_, &WindowCommands::windowsClosed, this, &TZarvoForm::UpdateMenuItems);
    UpdateMenuItems();
}

TZarvoForm::~TZarvoForm()
{
    // The editor windows draw with context_, which goes before the base class
    // deletes its children: close the area first, without the activation handler.
    mdiArea_->disconnect(this);
    for (QMdiSubWindow* subWindow : mdiArea_->subWindowList()) subWindow->disconnect(this);
    delete mdiArea_;
    mdiArea_ = nullptr;
}

void TZarvoForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* File1 = AddTopMenu(bar, "File1", tr("&File"));
    fileCommands_->AddMenuItems(*File1, editorItems_);
    File1->addSeparator();
    tableCommands_->AddFileMenuItems(*File1, editorItems_);
    File1->addSeparator();
    QAction* Exit1 = AddMenuAction(File1, "Exit1", tr("E&xit"), QKeySequence(tr("Alt+X")), tr("Close the program"));
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    QMenu* Edit1 = AddTopMenu(bar, "Edit1", tr("&Edit"));
    undoCommands_->AddMenuItems(*Edit1);
    Edit1->addSeparator();
    inputModes_->AddMenuItems(*Edit1, editorItems_);
    Edit1->addSeparator();
    dumpCommands_->AddMenuItems(*Edit1, editorItems_);
    scriptCommands_->AddMenuItems(*Edit1, Edit1->findChild<QAction*>(QStringLiteral("InsertBINARYData1")),
                                  editorItems_);
    viewCommands_->AddMenuItems(*AddTopMenu(bar, "View1", tr("&View")), editorItems_);
    searchCommands_->AddMenuItems(*AddTopMenu(bar, "Search1", tr("&Search")), editorItems_);

    QMenu* Tools1 = AddTopMenu(bar, "Tools1", tr("&Tools"));
    tableCommands_->AddToolsMenuItems(*Tools1);
    Tools1->addSeparator();
    toolCommands_->AddMenuItems(*Tools1, editorItems_);
    Tools1->addSeparator();
    tileCommands_->AddMenuItems(*Tools1, editorItems_);

    settingsCommands_->AddMenuItems(*AddTopMenu(bar, "Options1", tr("&Options")));
    windowCommands_->AddMenuItems(*AddTopMenu(bar, "Window1", tr("&Window")), editorItems_);

    QMenu* Help1 = AddTopMenu(bar, "Help1", tr("&Help"));
    QAction* HelpTopics1 =
        AddMenuAction(Help1, "HelpTopics1", tr("&Help Topics"), QKeySequence(Qt::Key_F1), tr("Show the help file"));
    QAction* About = AddMenuAction(Help1, "About", tr("&About Zarvo for Win32"), {}, tr("About this program"));
    connect(HelpTopics1, &QAction::triggered, this, &TZarvoForm::HelpTopics1Click);
    connect(About, &QAction::triggered, this, &TZarvoForm::AboutClick);
}

std::vector<TMDIChild*> TZarvoForm::editorWindows() const { return documents_->editors(); }

TMDIChild* TZarvoForm::activeEditor() const { return documents_->activeEditor(); }

TColForm* TZarvoForm::colForm() const { return settingsCommands_->settingsDialog(); }

bool TZarvoForm::event(QEvent* event)
{
    // Menu hints go to the sixth panel (TileBAR's last while the tile editor is on);
    // the value panels stay in view.
    if (event->type() == QEvent::StatusTip) {
        const QString hint = static_cast<QStatusTipEvent*>(event)->tip();
        if (tileCommands_ == nullptr || !tileCommands_->ShowHint(hint)) MDIBar->setHint(hint);
        return true;
    }
    // Coming back to the program from another one: the active file may have changed.
    if (event->type() == QEvent::WindowActivate && session_.applicationReady) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (const std::shared_ptr<DocRecord> doc = documents_->document()) fileCommands_->CheckFileOnDisk(*doc);
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void TZarvoForm::showEvent(QShowEvent* event)
{
    if (!colorsLoaded_) {
        context_.colours = LoadColors();
        colorsLoaded_ = true;
    }
    QMainWindow::showEvent(event);
}

void TZarvoForm::closeEvent(QCloseEvent* event)
{
    session_.applicationReady = false;
    // Written at every exit; with the flag clear only a failure is told.
    settingsCommands_->UpdateConfigurationFile1Click();
    if (!documents_->closeAll()) {
        // A window whose changes could not be saved (or whose question was dismissed)
        // stays, and so does the program.
        session_.applicationReady = true;
        UpdateMenuItems();
        event->ignore();
        return;
    }
    event->accept();
}

void TZarvoForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (const std::shared_ptr<DocRecord> doc = documents_->document()) documents_->repaint(*doc);
}

void TZarvoForm::FormActivate(QMdiSubWindow* subWindow)
{
    if (!session_.applicationReady) return;
    TMDIChild* editor = DocumentWindows::editorIn(subWindow);
    if (editor != nullptr && editor->hasData()) {
        DocRecord& doc = editor->document();
        fileCommands_->CheckFileOnDisk(doc);
        const bool sheetShown = session_.tiles.editorOn;
        if (!sheetShown) editor->FitViewToWindow();
        tableCommands_->DocumentActivated(doc, documents_->takeFreshlyOpened(doc));
        if (sheetShown) {
            tileCommands_->DocumentActivated(doc);
        } else {
            editor->FormPaint();
        }
    }
    UpdateMenuItems();
}

void TZarvoForm::UpdateMenuItems()
{
    if (!session_.applicationReady || mdiArea_ == nullptr) return;
    const bool windowsOpen = !documents_->subWindows().empty();
    for (QAction* item : editorItems_) item->setEnabled(windowsOpen);
    if (!windowsOpen) tableCommands_->NoDocumentLeft();
    dumpCommands_->UpdateMenuItems();
    // The values described the last window; with none left they describe nothing.
    if (std::exchange(windowsWereOpen_, windowsOpen) && !windowsOpen) MDIBar->clearValueTexts();
    if (const TMDIChild* editor = activeEditor(); editor != nullptr && viewCommands_->kanaItemEnabled()) {
        viewCommands_->ShowViewOf(editor->document().unicodeView);
    }
    undoCommands_->UpdateItems();
}

void TZarvoForm::Timer1Timer()
{
    if (!session_.settings.blinkCursor) return;
    if (TMDIChild* editor = activeEditor(); editor != nullptr && editor->hasData()) editor->BlinkTick();
}

void TZarvoForm::HelpTopics1Click()
{
    // A help file in the start-up folder goes to the platform's viewer, as it always
    // did; otherwise the manual built into the program is shown.
    const QString helpFile = FromPath(session_.helpPath);
    if (!QFileInfo(helpFile).isFile()) {
        helpWindow_->showManual();
        return;
    }
    if (!helpOpener_ || !helpOpener_(QUrl::fromLocalFile(helpFile))) {
        prompter_.showMessageBox(Text(messages::kHelpError), Text(messages::kHelpErrorCaption), MessageIcon::Stop);
    }
}

void TZarvoForm::AboutClick() { aboutBox_->exec(); }

}  // namespace zarvo
