#include "ui/search/tlist_form.h"

#include "core/document.h"
#include "search/relative_table.h"
#include "search/result_list.h"
#include "search/search_messages.h"
#include "ui/common/qt_text.h"
#include "ui/search/result_list_model.h"
#include "ui/search/window_placement.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace zarvo {

namespace {

constexpr int kWindowWidth = 339;
constexpr int kWindowHeight = 194;
constexpr int kListFontPixels = 11;
constexpr int kItemHeight = 14;
constexpr int kLinesPerLayoutBatch = 20000;
// The longest line the searches write: a relative-search hit with a 15-letter word.
constexpr const char* kWidestLine = "[$00000000] MMMMMMMMMMMMMMM | A=00 a=00 0=00";

[[nodiscard]] bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TListForm::TListForm(Session& session, CurrentDocument& documents, PreparedLinesEditor editPreparedLines,
                     QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session),
      documents_(documents),
      editPreparedLines_(std::move(editPreparedLines))
{
    // A tool window stays above the frame; unlike one kept above every window, it
    // lets the program's message boxes and the table editor come in front of it.
    setObjectName(QStringLiteral("ListForm"));
    setWindowTitle(Text(session_.search.list.caption));
    setModal(false);

    model_ = new ResultListModel(session_.search.list, this);
    ListBox1 = new QListView(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kListFontPixels);
    ListBox1->setFont(font);
    model_->setRowSize(QSize(QFontMetrics(font).horizontalAdvance(QString::fromLatin1(kWidestLine)) + 8, kItemHeight));
    ListBox1->setModel(model_);
    // Every line has the same height, so a long list is laid out without measuring it,
    // and a few thousand lines at a time between the window's events: a list of a hit
    // for every byte of a large image shows its first lines at once and stays usable
    // while the rest are laid out.
    ListBox1->setUniformItemSizes(true);
    ListBox1->setLayoutMode(QListView::Batched);
    ListBox1->setBatchSize(kLinesPerLayoutBatch);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBox1);
    resize(kWindowWidth, kWindowHeight);
    CreatePopup();
}

TListForm::~TListForm() = default;

void TListForm::CreatePopup()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char* name, const char* caption) {
        auto* action = new QAction(Text(caption), PopupMenu1);
        action->setObjectName(QString::fromLatin1(name));
        PopupMenu1->addAction(action);
        return action;
    };
    CreateTBL1 = item("CreateTBL1", messages::kCreateTableItem);
    CreateTBL1->setEnabled(false);
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N1"));
    JumptoStartingOffset1 = item("JumptoStartingOffset1", messages::kJumpToStartItem);
    JumptoEndingOffset1 = item("JumptoEndingOffset1", messages::kJumpToEndItem);
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N2"));
    Exit1 = item("Exit1", messages::kExitItem);
    // Shown beside the item; the window's own key handler acts on Esc.
    Exit1->setShortcut(QKeySequence(Qt::Key_Escape));
    Exit1->setShortcutContext(Qt::WidgetShortcut);
    connect(CreateTBL1, &QAction::triggered, this, &TListForm::CreateTBL1Click);
    connect(JumptoStartingOffset1, &QAction::triggered, this, &TListForm::JumptoStartingOffset1Click);
    connect(JumptoEndingOffset1, &QAction::triggered, this, &TListForm::JumptoEndingOffset1Click);
    connect(Exit1, &QAction::triggered, this, &TListForm::Exit1Click);
}

void TListForm::LinesChanged()
{
    const int current = ListBox1->currentIndex().row();
    model_->linesChanged();
    if (current >= 0 && current < model_->rowCount()) {
        ListBox1->setCurrentIndex(model_->index(current, 0));
    } else {
        SelectFirstLine();
    }
}

void TListForm::ShowResults()
{
    setWindowTitle(Text(session_.search.list.caption));
    if (!isVisible()) show();
    // The keys go to the list from here on: Enter jumps, the arrows move, Esc closes.
    raise();
    activateWindow();
    ListBox1->setFocus();
}

void TListForm::ShowDumpLabels(int32_t mode, const QString& caption)
{
    // A window shown for the searches becomes modal only when shown again.
    if (isVisible()) hide();
    session_.search.list.mode = mode;
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWindowTitle(caption);
    exec();
}

void TListForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TListForm::FormShow()
{
    const bool createEnabled = ShowResultList(session_.search.list, session_.tables);
    CreateTBL1->setEnabled(createEnabled);
    model_->linesChanged();
    SelectFirstLine();
    // Centred when first shown; afterwards it opens where the user left it.
    if (!placed_) CentreOnScreen(*this);
    placed_ = true;
}

void TListForm::done(int result)
{
    CloseResultList(session_.search.list);
    CreateTBL1->setEnabled(false);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    QDialog::done(result);
}

void TListForm::SelectFirstLine()
{
    if (model_->rowCount() == 0) return;
    ListBox1->setCurrentIndex(model_->index(0, 0));
}

std::vector<std::string> TListForm::selectedLines() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : ListBox1->selectionModel()->selectedIndexes()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const int row : rows) lines.push_back(model_->lineAt(row));
    return lines;
}

void TListForm::ListBox1DblClick()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    const std::vector<std::string> selected = selectedLines();
    const std::string* first = selected.empty() ? nullptr : &selected.front();
    switch (ActivateListLine(session_.search.list, first, doc.get(), session_)) {
    case ListActivation::Jumped:
        documents_.repaint(*doc);
        return;
    case ListActivation::DumpLabels:
        if (dumpHooks_.labelsChosen) dumpHooks_.labelsChosen(session_.search.list.mode, selected);
        return;
    case ListActivation::Nothing:
        return;
    }
}

void TListForm::CreateTBL1Click()
{
    const std::vector<std::string> selected = selectedLines();
    const std::optional<std::vector<std::string>> lines =
        PreparedTableLines(session_.search.list.mode, selected.empty() ? nullptr : &selected.front());
    if (!lines) return;
    hide();
    if (editPreparedLines_) editPreparedLines_(*lines);
    done(Rejected);
}

void TListForm::JumptoStartingOffset1Click() { JumpToLabelEnd(false); }

void TListForm::JumptoEndingOffset1Click() { JumpToLabelEnd(true); }

void TListForm::JumpToLabelEnd(bool endOffset)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    const std::vector<std::string> selected = selectedLines();
    if (!zarvo::JumpToLabelEnd(selected.empty() ? nullptr : &selected.front(),
                               endOffset ? LabelEnd::End : LabelEnd::Start, doc.get(), session_)) {
        return;
    }
    done(Rejected);
    documents_.repaint(*doc);
    if (dumpHooks_.clearDumpOffsets) dumpHooks_.clearDumpOffsets();
}

void TListForm::Exit1Click() { done(Rejected); }

void TListForm::EscapeClose()
{
    done(Rejected);
    if (dumpHooks_.clearDumpOffsets) dumpHooks_.clearDumpOffsets();
}

bool TListForm::FormKeyPress(const QKeyEvent& event)
{
    if (IsEnter(event.key())) {
        ListBox1DblClick();
        return true;
    }
    if (event.key() == Qt::Key_Escape) {
        EscapeClose();
        return true;
    }
    return false;
}

void TListForm::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyPress(*event)) QDialog::keyPressEvent(event);
}

bool TListForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        return FormKeyPress(*static_cast<QKeyEvent*>(event));
    }
    if (watched == ListBox1->viewport()) {
        // A double click chooses the line under it (if any) and acts on the chosen lines.
        if (event->type() == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            const QModelIndex under = ListBox1->indexAt(mouse->position().toPoint());
            if (under.isValid() && !ListBox1->selectionModel()->isSelected(under)) ListBox1->setCurrentIndex(under);
            ListBox1DblClick();
            return true;
        }
    }
    if ((watched == ListBox1 || watched == ListBox1->viewport()) && event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        // From the keyboard the popup opens at the current line.
        const QPoint at =
            menu->reason() == QContextMenuEvent::Keyboard
                ? ListBox1->viewport()->mapToGlobal(ListBox1->visualRect(ListBox1->currentIndex()).center())
                : menu->globalPos();
        PopupMenu1->popup(at);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zarvo
