#include "ui/tiles/tile_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "tiles/sheet_pointer.h"
#include "tiles/tile_messages.h"
#include "tiles/tile_status.h"
#include "ui/common/editor_windows.h"
#include "ui/common/qt_text.h"
#include "ui/editor/mdi_status_bar.h"
#include "ui/editor/view_context.h"
#include "ui/tiles/sheet_input_router.h"
#include "ui/tiles/tile_form.h"
#include "ui/tiles/tile_status_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QScreen>

#include <utility>

namespace zarvo {

namespace {

constexpr int kWindowSize1x1 = 256;
constexpr int kWindowSize2x2 = 384;
// The hex view's client area the editor windows get back.
constexpr EditorClient kHexClient{610, 256};

void SetClientSize(QWidget& editor, EditorClient client)
{
    QWidget* subWindow = editor.parentWidget();
    if (subWindow == nullptr) return;
    subWindow->resize(subWindow->width() - editor.width() + client.width,
                      subWindow->height() - editor.height() + client.height);
}

}  // namespace

TileCommands::TileCommands(Session& session, Prompter& prompter, EditorWindows& windows, ViewContext& context,
                           MdiStatusBar& mdiBar, std::function<void()> showHelp, QWidget* frame)
    : QObject(frame),
      session_(session),
      windows_(windows),
      MDIBar(mdiBar)
{
    router_ = new SheetInputRouter(session_.tiles, this);
    context.tileInput = router_;
    TileBAR = new TileStatusBar(frame);
    TileForm = new TTileForm(session_, prompter, windows_, *TileBAR, std::move(showHelp), frame);
    connect(router_, &SheetInputRouter::tileKey, TileForm, &TTileForm::FormKeyDown);
    connect(router_, &SheetInputRouter::sheetShown, TileForm, &TTileForm::FormPaint);
    connect(router_, &SheetInputRouter::editRegionChanged, TileForm, &TTileForm::ShowEditBox);
    connect(TileForm, &TTileForm::sheetChanged, this, &TileCommands::ShowActiveSheet);
    connect(&windows_, &EditorWindows::windowsChanged, this, &TileCommands::WindowsChanged);
}

void TileCommands::AddMenuItems(QMenu& tools, EditorItems& editorItems)
{
    TileEdit1 = AddCheckAction(&tools, "TileEdit1", Text(messages::kTileEditorItem), QKeySequence(tr("Ctrl+L")),
                               Text(messages::kTileEditorHint), false);
    connect(TileEdit1, &QAction::triggered, this, &TileCommands::TileEdit1Click);
    QMenu* sizes = AddSubMenu(&tools, "TileWindowSize1", Text(messages::kTileWindowSizeItem));
    TileWindowSize1 = sizes->menuAction();
    TileWindowSize1->setEnabled(false);
    auto* group = new QActionGroup(this);
    QAction* N1x1 = AddCheckAction(sizes, "N1x1", Text(messages::kTileWindowSize1x1), {}, {}, true, group);
    QAction* N2x2 = AddCheckAction(sizes, "N2x2", Text(messages::kTileWindowSize2x2), {}, {}, false, group);
    // The items' tags are the client's side.
    N1x1->setData(kWindowSize1x1);
    N2x2->setData(kWindowSize2x2);
    for (QAction* item : {N1x1, N2x2}) {
        connect(item, &QAction::triggered, this, [this, item] { N1x1Click(item->data().toInt()); });
    }
    editorItems.push_back(TileEdit1);
}

bool TileCommands::ShowHint(const QString& hint)
{
    if (!session_.tiles.editorOn) return false;
    TileBAR->setHint(hint);
    return true;
}

void TileCommands::TileEdit1Click()
{
    if (session_.tiles.editorOn) {
        TurnOff();
    } else if (!windows_.editorWidgets().empty()) {
        TurnOn();
    }
    TileEdit1->setChecked(session_.tiles.editorOn);
    TileWindowSize1->setEnabled(session_.tiles.editorOn);
}

void TileCommands::TurnOn()
{
    session_.tiles.editorOn = true;
    for (QWidget* editor : windows_.editorWidgets()) PrepareForSheet(*editor);
    if (!std::exchange(placed_, true)) {
        TileForm->adjustSize();
        if (const QScreen* screen = TileForm->screen()) {
            TileForm->move(screen->availableGeometry().center() - TileForm->rect().center());
        }
    }
    TileForm->show();
    TileForm->raise();
    mdiBarWasShown_ = !MDIBar.isHidden();
    MDIBar.hide();
    TileBAR->show();
    TileBAR->setHint(MDIBar.panelText(kStatusPanels - 1));
    if (const std::shared_ptr<DocRecord> doc = windows_.document()) {
        DocumentActivated(*doc);
    } else {
        windows_.repaintAll();
    }
}

void TileCommands::TurnOff()
{
    session_.tiles.editorOn = false;
    TileForm->hide();
    for (QWidget* editor : windows_.editorWidgets()) {
        editor->setCursor(Qt::ArrowCursor);
        SetClientSize(*editor, kHexClient);
    }
    TileBAR->hide();
    if (mdiBarWasShown_) MDIBar.show();
    MDIBar.setHint(TileBAR->panelText(kTileStatusPanels - 1));
    windows_.fitActiveToWindow();
    windows_.repaintAll();
}

void TileCommands::PrepareForSheet(QWidget& editor)
{
    // No pointer over the sheet: the cursor frame shows where it is.
    editor.setCursor(Qt::BlankCursor);
    SetClientSize(editor, TileEditorClient(session_.tiles));
}

void TileCommands::N1x1Click(int tag)
{
    SetTileWindowSize(session_.tiles, tag);
    if (!session_.tiles.editorOn) return;
    for (QWidget* editor : windows_.editorWidgets()) SetClientSize(*editor, TileEditorClient(session_.tiles));
    windows_.repaintAll();
}

void TileCommands::DocumentActivated(DocRecord& doc)
{
    ActivateTileDocument(session_.tiles, doc);
    // The sheet image is the active document's now; the other windows show none.
    windows_.repaintAll();
}

void TileCommands::WindowsChanged()
{
    if (!session_.tiles.editorOn) return;
    if (windows_.editorWidgets().empty()) {
        TileEdit1Click();
        return;
    }
    for (QWidget* editor : windows_.editorWidgets()) {
        if (editor->cursor().shape() != Qt::BlankCursor) PrepareForSheet(*editor);
    }
}

void TileCommands::ShowActiveSheet()
{
    if (QWidget* editor = windows_.activeEditorWidget()) editor->update();
}

}  // namespace zarvo
