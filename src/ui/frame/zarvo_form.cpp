#include "ui/frame/zarvo_form.h"

#include "core/document_file.h"
#include "core/messages.h"
#include "core/table_loader.h"
#include "ui/editor/mdi_child.h"
#include "ui/editor/mdi_status_bar.h"
#include "ui/frame/about_box.h"
#include "ui/settings/tcol_form.h"
#include "view/colour_table.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTimer>

#include <algorithm>

namespace zarvo {

namespace {

constexpr int kEditorWindowWidth = 445;
constexpr int kEditorWindowHeight = 245;
constexpr int kActivationRowPixels = 16;  // activation sizes the page in 16-pixel rows
constexpr int kBlinkMilliseconds = 500;

const QString kNoTableCaption = QStringLiteral("...");

QString Text(const char* text) { return QString::fromUtf8(text); }

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString AllFilesFilter() { return QStringLiteral("All files (*.*)"); }

QString TableFilesFilter() { return QStringLiteral("Tbl files (*.tbl *.TBL)"); }

// A file name shown as a menu caption: '&' would otherwise mark a key.
QString MenuCaption(const std::string& path)
{
    if (path.empty()) return kNoTableCaption;
    return FromPath(FileNamePart(path)).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

TMDIChild* EditorOf(QMdiSubWindow* subWindow)
{
    return subWindow == nullptr ? nullptr : qobject_cast<TMDIChild*>(subWindow->widget());
}

}  // namespace

TZarvoForm::TZarvoForm(Session& session, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      prompter_(prompter),
      context_(session),
      helpOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("ZarvoForm"));
    setWindowTitle(Text(messages::kApplicationTitle));
    resize(494, 481);

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIArea"));
    // Editor windows placed or dragged beyond the frame stay reachable.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    MDIBar = new MdiStatusBar(this);
    setStatusBar(MDIBar);
    context_.statusBar = MDIBar;

    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    CreateToolsMenu();
    CreateOptionsMenu();
    CreateWindowMenu();
    CreateHelpMenu();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kBlinkMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TZarvoForm::Timer1Timer);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TZarvoForm::FormActivate);

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
    Timer1->start();

    aboutBox_ = new TAboutBox(this);
    // Reads the settings file, so the paths above exist first; it stops the timer
    // when blinking is off.
    ColForm = new TColForm(context_, *Timer1, this);
    CreateTableEditor();
    CreateToolWindows();
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

std::vector<QMdiSubWindow*> TZarvoForm::editorSubWindows() const
{
    std::vector<QMdiSubWindow*> windows;
    if (mdiArea_ == nullptr) return windows;
    for (QMdiSubWindow* subWindow : mdiArea_->subWindowList()) {
        // A closed window stays listed, hidden, until it is deleted.
        if (EditorOf(subWindow) != nullptr && !subWindow->isHidden()) windows.push_back(subWindow);
    }
    return windows;
}

std::vector<TMDIChild*> TZarvoForm::editorWindows() const
{
    std::vector<TMDIChild*> editors;
    for (QMdiSubWindow* subWindow : editorSubWindows()) editors.push_back(EditorOf(subWindow));
    return editors;
}

TMDIChild* TZarvoForm::activeEditor() const
{
    QMdiSubWindow* current = mdiArea_ == nullptr ? nullptr : mdiArea_->currentSubWindow();
    if (current == nullptr || current->isHidden()) return nullptr;
    return EditorOf(current);
}

TMDIChild* TZarvoForm::activeEditorWithData() const
{
    TMDIChild* editor = activeEditor();
    return editor != nullptr && editor->hasData() ? editor : nullptr;
}

bool TZarvoForm::event(QEvent* event)
{
    // Menu hints go to the sixth panel; the value panels stay in view.
    if (event->type() == QEvent::StatusTip) {
        MDIBar->setHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
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
    UpdateConfigurationFile1Click();
    if (!CloseAllEditors()) {
        // A window whose changes could not be saved stays, and so does the program.
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
    if (TMDIChild* editor = activeEditorWithData()) editor->FormPaint();
}

// ---- File ---------------------------------------------------------------------

void TZarvoForm::Open1Click()
{
    const std::optional<QString> path =
        prompter_.chooseOpenFile(tr("Open File for Editing"), FromPath(session_.currentDirectory), AllFilesFilter());
    if (!path || path->isEmpty()) return;
    OpenDocument(*path);
}

TMDIChild* TZarvoForm::NewEditorWindow(const QString& path)
{
    auto* editor = new TMDIChild(context_);
    editor->setCloseQuery([this, editor] { return EditorCloseQuery(*editor); });
    const QString caption = FromPath(FileNamePart(ToPath(path)));
    editor->setWindowTitle(caption);
    QMdiSubWindow* subWindow = mdiArea_->addSubWindow(
        editor, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    subWindow->setWindowTitle(caption);
    subWindow->resize(kEditorWindowWidth, kEditorWindowHeight);
    // Counted again once the window is gone for good.
    connect(subWindow, &QObject::destroyed, this, &TZarvoForm::UpdateMenuItems, Qt::QueuedConnection);
    subWindow->show();
    editor->FitViewToWindow(context_.rowHeight());
    return editor;
}

void TZarvoForm::OpenDocument(const QString& path)
{
    TMDIChild* editor = NewEditorWindow(path);
    DocRecord& doc = editor->document();
    const std::string file = ToPath(path);
    if (OpenDocumentFile(doc, file) != OpenError::None) {
        // The window stays, empty: it paints nothing and closes normally.
        prompter_.showMessage(Text(messages::kCannotOpenFile));
        UpdateMenuItems();
        return;
    }
    if (IsSavestatePath(file)) {
        // A file shorter than the header has no header to remove: nothing to ask.
        const bool removeHeader = CanRemoveSavestateHeader(doc) &&
                                  prompter_.askYesNo(Text(messages::kSavestateQuestion),
                                                     Text(messages::kSavestateCaption), MessageIcon::Question);
        ReadSavestatePalette(doc);
        if (removeHeader) RemoveSavestateHeader(doc);
    }
    // The ASCII entries come in while the document still counts as on Table #1.
    const int8_t activeTable = doc.table.activeTable;
    LoadAsciiTable(doc, session_.tables);
    doc.table.activeTable = activeTable;
    doc.modified = false;
    doc.cursorRow = 0;
    doc.cursorColumn = 0;
    doc.topOffset = 0;
    // The swap items describe the new window's tables (none yet), not the last one's.
    SetSwapCaptions(doc);
    editor->FormPaint();
    UpdateMenuItems();
    session_.currentDirectory = ToPath(QDir::currentPath());

    const std::string companion = CompanionTablePath(file);
    if (QFileInfo(FromPath(companion)).isFile()) {
        doc.table.tableName[0] = companion;
        LoadTableSlot(*editor, 0, true);
    }
}

bool TZarvoForm::SaveEditor(TMDIChild& editor)
{
    DocRecord& doc = editor.document();
    if (!editor.hasData() || doc.fileName.empty()) return true;
    if (SaveDocumentFile(doc) != SaveError::None) {
        prompter_.showMessage(Text(messages::kProblemWriting));
        return false;
    }
    prompter_.showMessage(Text(messages::kSavedSuccessfully));
    doc.modified = false;
    return true;
}

void TZarvoForm::SaveFile1Click()
{
    if (TMDIChild* editor = activeEditor()) (void)SaveEditor(*editor);
}

void TZarvoForm::SaveFileAsClick()
{
    TMDIChild* editor = activeEditorWithData();
    if (editor == nullptr || editor->document().fileName.empty()) return;
    const std::optional<QString> path = prompter_.chooseSaveFile(tr("Save File As"), QString(), AllFilesFilter());
    if (!path || path->isEmpty()) return;
    DocRecord& doc = editor->document();
    if (SaveDocumentAs(doc, ToPath(*path)) != SaveError::None) {
        prompter_.showMessage(Text(messages::kProblemWriting));
        return;
    }
    prompter_.showMessage(Text(messages::kSavedSuccessfully));
    doc.modified = false;
    const QString caption = FromPath(FileNamePart(doc.fileName));
    editor->setWindowTitle(caption);
    if (QWidget* subWindow = editor->parentWidget()) subWindow->setWindowTitle(caption);
    editor->FormPaint();
    UpdateMenuItems();
}

bool TZarvoForm::EditorCloseQuery(TMDIChild& editor)
{
    const DocRecord& doc = editor.document();
    if (!doc.modified) return true;
    const QString question = QString::asprintf(messages::kModifiedQuestion, doc.fileName.c_str());
    if (!prompter_.askYesNo(question, Text(messages::kModifiedCaption), MessageIcon::Question)) return true;
    // When the save fails the window stays open, so the changes are not lost.
    return SaveEditor(editor);
}

// ---- Tables -------------------------------------------------------------------

void TZarvoForm::Tbl11Click()
{
    if (TMDIChild* editor = activeEditorWithData()) LoadTableSlot(*editor, 0, false);
}

void TZarvoForm::Tbl21Click()
{
    if (TMDIChild* editor = activeEditorWithData()) LoadTableSlot(*editor, 1, false);
}

void TZarvoForm::LoadTableSlot(TMDIChild& editor, int slot, bool autoLoad)
{
    DocRecord& doc = editor.document();
    const auto index = static_cast<std::size_t>(slot);
    if (!autoLoad) {
        const std::optional<QString> path =
            prompter_.chooseOpenFile(tr("Open Table File"), FromPath(session_.currentDirectory), TableFilesFilter());
        if (!path || path->isEmpty()) return;
        doc.table.tableName[index] = ToPath(*path);
    }
    doc.table.activeTable = static_cast<int8_t>(slot);
    ReadActiveTable(doc);
    AfterTableLoad(editor);
}

void TZarvoForm::ReadActiveTable(DocRecord& doc)
{
    const auto slot = static_cast<std::size_t>(doc.table.activeTable);
    const std::string path = slot < doc.table.tableName.size() ? doc.table.tableName[slot] : std::string();
    if (TableLoader(doc, session_.tables, path) == TableLoadResult::OutOfMemory) {
        prompter_.showMessage(Text(messages::kTableAllocation));
    }
}

void TZarvoForm::tblv1Click() { SwitchTable(0); }

void TZarvoForm::tblv2Click() { SwitchTable(1); }

void TZarvoForm::SwitchTable(int slot)
{
    const QAction* item = slot == 0 ? tblv1 : tblv2;
    TMDIChild* editor = activeEditorWithData();
    if (item->text() == kNoTableCaption || editor == nullptr) return;
    DocRecord& doc = editor->document();
    doc.table.activeTable = static_cast<int8_t>(slot);
    // The other table is not kept in memory: switching reads the file again.
    ReadActiveTable(doc);
    AfterTableLoad(*editor);
}

void TZarvoForm::Asciitbl1Click()
{
    TMDIChild* editor = activeEditorWithData();
    if (editor == nullptr) return;
    LoadAsciiTable(editor->document(), session_.tables);
    AfterTableLoad(*editor);
}

void TZarvoForm::AfterTableLoad(TMDIChild& editor)
{
    SetSwapCaptions(editor.document());
    editor.FormPaint();
    UpdateMenuItems();
}

void TZarvoForm::SetSwapCaptions(const DocRecord& doc)
{
    tblv1->setText(MenuCaption(doc.table.tableName[0]));
    tblv2->setText(MenuCaption(doc.table.tableName[1]));
}

// ---- View ---------------------------------------------------------------------

void TZarvoForm::OffsetModeClick(OffsetMode mode)
{
    session_.view.offsetMode = mode;
    RepaintAll();
}

void TZarvoForm::ViewKanaClick(bool checked)
{
    TMDIChild* editor = activeEditorWithData();
    if (editor == nullptr) return;
    editor->document().unicodeView = checked;
    editor->FormPaint();
}

void TZarvoForm::ViewStatusBar1Click(bool checked) { MDIBar->setVisible(checked); }

void TZarvoForm::RepaintAll()
{
    for (TMDIChild* editor : editorWindows()) editor->FormPaint();
}

// ---- Window -------------------------------------------------------------------

void TZarvoForm::WindowCascadeItemClick()
{
    mdiArea_->cascadeSubWindows();
    RepaintAll();
}

void TZarvoForm::TileVertical1Click()
{
    std::vector<QMdiSubWindow*> windows = editorSubWindows();
    std::erase_if(windows, [](const QMdiSubWindow* window) { return window->isMinimized(); });
    if (windows.empty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const int width = std::max(1, area.width() / count);
    for (int index = 0; index < count; ++index) {
        windows[static_cast<std::size_t>(index)]->showNormal();
        windows[static_cast<std::size_t>(index)]->setGeometry(index * width, 0, width, area.height());
    }
    for (TMDIChild* editor : editorWindows()) {
        editor->FormPaint();
        QCoreApplication::processEvents();
    }
}

void TZarvoForm::TileHorizontal1Click()
{
    std::vector<QMdiSubWindow*> windows = editorSubWindows();
    std::erase_if(windows, [](const QMdiSubWindow* window) { return window->isMinimized(); });
    if (windows.empty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const int height = std::max(1, area.height() / count);
    for (int index = 0; index < count; ++index) {
        windows[static_cast<std::size_t>(index)]->showNormal();
        windows[static_cast<std::size_t>(index)]->setGeometry(0, index * height, area.width(), height);
    }
    for (TMDIChild* editor : editorWindows()) {
        editor->FormPaint();
        QCoreApplication::processEvents();
    }
    if (TMDIChild* editor = activeEditorWithData()) editor->FormPaint();
}

void TZarvoForm::WindowArrangeItemClick()
{
    // Minimised windows line up along the bottom edge, a new line above when full.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int bottom = area.bottom() + 1;
    for (QMdiSubWindow* window : editorSubWindows()) {
        if (!window->isMinimized()) continue;
        if (x > 0 && x + window->width() > area.width()) {
            x = 0;
            bottom -= window->height();
        }
        window->move(x, bottom - window->height());
        x += window->width();
    }
    RepaintAll();
}

void TZarvoForm::WindowMinimizeItemClick()
{
    for (QMdiSubWindow* window : editorSubWindows()) window->showMinimized();
    RepaintAll();
}

void TZarvoForm::RestoreAll1Click()
{
    for (QMdiSubWindow* window : editorSubWindows()) window->showNormal();
    RepaintAll();
}

void TZarvoForm::CloseAll1Click()
{
    (void)CloseAllEditors();
    UpdateMenuItems();
}

bool TZarvoForm::CloseAllEditors()
{
    for (;;) {
        const std::vector<QMdiSubWindow*> windows = editorSubWindows();
        if (windows.empty()) return true;
        if (!windows.front()->close()) return false;
        QCoreApplication::processEvents();
    }
}

// ---- Activation, menus, timer, help -------------------------------------------

void TZarvoForm::FormActivate(QMdiSubWindow* subWindow)
{
    if (!session_.applicationReady) return;
    TMDIChild* editor = EditorOf(subWindow);
    if (editor != nullptr && editor->hasData()) {
        editor->FitViewToWindow(kActivationRowPixels);
        editor->FormPaint();
        DocRecord& doc = editor->document();
        SetSwapCaptions(doc);
        // Reading the table again brings the program-wide bookmarks and dump
        // labels back to this document's table file.
        if (doc.table.activeTable == 0 || doc.table.activeTable == 1) {
            ReadActiveTable(doc);
            editor->FormPaint();
        }
    }
    UpdateMenuItems();
}

void TZarvoForm::UpdateMenuItems()
{
    if (!session_.applicationReady || mdiArea_ == nullptr) return;
    const bool windowsOpen = !editorSubWindows().empty();
    for (QAction* item : editorItems_) item->setEnabled(windowsOpen);
    if (!windowsOpen) {
        tblv1->setText(kNoTableCaption);
        tblv2->setText(kNoTableCaption);
    }
    if (const TMDIChild* editor = activeEditor(); editor != nullptr && ViewKana->isEnabled()) {
        ViewKana->setChecked(editor->document().unicodeView);
    }
}

void TZarvoForm::Timer1Timer()
{
    if (!session_.settings.blinkCursor) return;
    if (TMDIChild* editor = activeEditorWithData()) editor->BlinkTick();
}

void TZarvoForm::HelpTopics1Click()
{
    const QString helpFile = FromPath(session_.helpPath);
    const bool shown = QFileInfo(helpFile).isFile() && helpOpener_ && helpOpener_(QUrl::fromLocalFile(helpFile));
    if (!shown) {
        prompter_.showMessageBox(Text(messages::kHelpError), Text(messages::kHelpErrorCaption), MessageIcon::Stop);
    }
}

void TZarvoForm::AboutClick() { aboutBox_->exec(); }

}  // namespace zarvo
