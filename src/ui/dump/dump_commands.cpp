#include "ui/dump/dump_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "dump/binary_insertion.h"
#include "dump/dump_dialog.h"
#include "dump/dump_label.h"
#include "dump/dump_messages.h"
#include "dump/goto_offset.h"
#include "dump/table_append.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/dump/tdump_form.h"
#include "ui/dump/tjump_form.h"

#include <QAction>
#include <QMenu>

#include <memory>
#include <utility>

namespace zarvo {

namespace {

constexpr int kBinaryListMode = 1;
constexpr int kTextListMode = 2;

}  // namespace

DumpCommands::DumpCommands(Session& session, Prompter& prompter, CurrentDocument& documents,
                           std::function<void(DocRecord&)> tableReloaded, QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      tableReloaded_(std::move(tableReloaded)),
      dumpWriter_(dialogParent)
{
    DumpForm = new TDumpForm(session_, prompter_, documents_, codec_, tableReloaded_, dialogParent);
    JumpForm = new TJumpForm(session_, codec_, dialogParent);
}

void DumpCommands::AddMenuItems(QMenu& edit, EditorItems& editorItems)
{
    QAction* Jump1 =
        AddMenuAction(&edit, "Jump1", tr("&Goto to Offset"), QKeySequence(tr("Ctrl+G")), tr("Go to an offset"));
    QAction* JumpList1 = AddMenuAction(&edit, "JumpList1", tr("&Jump Offset List"), QKeySequence(tr("Ctrl+J")),
                                       tr("Select a table loaded offset"));
    QAction* Bookmark1 = AddMenuAction(&edit, "Bookmark1", tr("Save &Bookmark"), QKeySequence(tr("Ctrl+B")),
                                       tr("Save a new bookmark to the table file"));
    QAction* SaveDumpBookmarkData1 =
        AddMenuAction(&edit, "SaveDumpBookmarkData1", tr("Save &Dump Bookmark"), QKeySequence(Qt::Key_F2),
                      tr("Save a dumpmark label to the table file"));
    edit.addSeparator();
    QAction* DumpText =
        AddMenuAction(&edit, "DumpText", tr("&Dump Text"), QKeySequence(Qt::Key_F10), tr("Dump text to a file"));
    QAction* DumpRaw = AddMenuAction(&edit, "DumpRaw", tr("Dump &Binary Data"), QKeySequence(Qt::Key_F11),
                                     tr("Dump RAW binary to a file"));
    DumpFromList1 = AddSubMenu(&edit, "DumpFromList1", tr("Dump &From List"),
                               tr("Select and Dump File data from TBL file bookmarks"));
    QAction* BinaryDump1 = AddMenuAction(DumpFromList1, "BinaryDump1", tr("Binary Dump..."));
    QAction* TextDump1 = AddMenuAction(DumpFromList1, "TextDump1", tr("Text Dump..."));
    edit.addSeparator();
    QAction* InsertBINARYData1 = AddMenuAction(&edit, "InsertBINARYData1", tr("&Insert Binary Data"), {},
                                               tr("Insert Binary data into the current file"));
    QAction* BYTEfill1 = AddMenuAction(&edit, "BYTEfill1", tr("BYTE Fill"), QKeySequence(Qt::Key_F4),
                                       tr("Fill a specified space with a BYTE"));

    connect(Jump1, &QAction::triggered, this, &DumpCommands::Jump1Click);
    connect(JumpList1, &QAction::triggered, this, &DumpCommands::JumpList1Click);
    connect(Bookmark1, &QAction::triggered, this, &DumpCommands::Bookmark1Click);
    connect(SaveDumpBookmarkData1, &QAction::triggered, this, &DumpCommands::SaveDumpBookmarkData1Click);
    connect(DumpText, &QAction::triggered, this, &DumpCommands::DumpTextClick);
    connect(DumpRaw, &QAction::triggered, this, &DumpCommands::DumpRawClick);
    connect(BinaryDump1, &QAction::triggered, this, &DumpCommands::BinaryDump1Click);
    connect(TextDump1, &QAction::triggered, this, &DumpCommands::TextDump1Click);
    connect(InsertBINARYData1, &QAction::triggered, this, &DumpCommands::InsertBINARYData1Click);
    connect(BYTEfill1, &QAction::triggered, this, &DumpCommands::BYTEfill1Click);
    // The dump dialog's captions tell the user to press these keys there too.
    DumpForm->addActions({DumpText, DumpRaw, SaveDumpBookmarkData1, BYTEfill1});
    editorItems.insert(editorItems.end(), {Jump1, JumpList1, Bookmark1, SaveDumpBookmarkData1, DumpText, DumpRaw,
                                           InsertBINARYData1, BYTEfill1});
    UpdateMenuItems();
}

void DumpCommands::UpdateMenuItems()
{
    if (DumpFromList1 != nullptr) DumpFromList1->menuAction()->setEnabled(session_.tables.dumpLabelCount() != 0);
}

int32_t DumpCommands::CursorOf(const DocRecord& doc) const
{
    return DialogCursorOffset(doc, session_.view.bytesPerRow);
}

void DumpCommands::Jump1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired()) return;
    JumpForm->PrepareGoto();
    JumpForm->exec();
    const std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    if (doc == nullptr) return;
    const std::optional<int32_t> target =
        GotoOffsetTarget(JumpForm->typedText(), JumpForm->hexadecimal(), doc->viewSize);
    if (target) {
        documents_.jumpTo(*doc, *target);
    } else {
        documents_.repaint(*doc);
    }
}

void DumpCommands::JumpList1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired()) return;
    JumpForm->PrepareJumpList();
    JumpForm->exec();
    const std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    const std::optional<std::string> entry = JumpForm->pickedEntry();
    if (doc == nullptr || !entry) return;
    if (const std::optional<int32_t> target = JumpListTarget(*entry, doc->viewSize, session_.view.pageBytes)) {
        documents_.jumpTo(*doc, *target);
    }
}

void DumpCommands::Bookmark1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired()) return;
    JumpForm->PrepareBookmark();
    JumpForm->exec();
    const std::string name = JumpForm->typedName();
    JumpForm->LiftLengthLimit();
    const std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    if (doc == nullptr) return;
    const TableAppendResult saved = SaveBookmark(*doc, session_.tables, static_cast<uint32_t>(CursorOf(*doc)), name);
    if (saved.reloaded) {
        tableReloaded_(*doc);
    } else {
        documents_.repaint(*doc);
    }
    ShowNotice(prompter_, saved.notice);
}

void DumpCommands::SaveDumpBookmarkData1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr || DumpForm->insertionShown()) return;
    DumpFields fields = DumpForm->fields();
    const DialogOutcome outcome = PressDumpLabelKey(session_.dump, fields, CursorOf(*doc), *doc, session_.tables);
    DumpForm->ShowOutcome(outcome, fields, doc.get());
}

void DumpCommands::DumpTextClick() { DumpKey(DumpKind::Text); }

void DumpCommands::DumpRawClick() { DumpKey(DumpKind::Binary); }

void DumpCommands::DumpKey(DumpKind kind)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr || DumpForm->insertionShown()) return;
    DumpFields fields = DumpForm->fields();
    const DialogOutcome outcome = PressDumpKey(kind, session_.dump, fields, CursorOf(*doc), *doc, dumpWriter_.output());
    DumpForm->ShowOutcome(outcome, fields, doc.get());
}

void DumpCommands::BYTEfill1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr || DumpForm->insertionShown()) return;
    DumpFields fields = DumpForm->fields();
    const DialogOutcome outcome = PressFillKey(session_.dump, fields, CursorOf(*doc), *doc);
    DumpForm->ShowOutcome(outcome, fields, doc.get());
}

void DumpCommands::BinaryDump1Click() { RequestDumpList(DumpKind::Binary); }

void DumpCommands::TextDump1Click() { RequestDumpList(DumpKind::Text); }

void DumpCommands::RequestDumpList(DumpKind kind)
{
    if (documents_.document() == nullptr) return;
    if (const char* refusal = DumpFromListRefusal(session_.tables)) {
        prompter_.showMessage(Text(refusal));
        return;
    }
    if (const std::string shortfall = DumpListShortfall(session_.tables); !shortfall.empty()) {
        prompter_.showMessage(Text(shortfall));
    }
    emit dumpListRequested(kind == DumpKind::Binary ? kBinaryListMode : kTextListMode,
                           Text(DumpListCaption(kind, session_.tables.dumpLabelCount())));
}

void DumpCommands::DumpFromList(const std::vector<std::string>& lines, DumpKind kind)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    for (const LabelDump& dump : DumpLabelBatch(*doc, lines, kind, session_.dump, session_.openFolder, dumpWriter_.output())) {
        ShowNotice(prompter_, dump.result.notice);
    }
}

void DumpCommands::EmptyDumpOffsets() { DumpForm->EmptyOffsets(); }

void DumpCommands::InsertBINARYData1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired()) return;
    // The dump dialog cannot ask for the insertion's start while a command owns it.
    const char* refusal = InsertionRefusal(session_.dump);
    if (refusal != nullptr || DumpForm->isVisible()) {
        prompter_.showMessage(Text(refusal != nullptr ? refusal : messages::kInsertWhilePending));
        return;
    }
    const std::optional<QString> path = prompter_.chooseOpenFile(
        tr("Open"), ChooserFolder(session_, chosen.lock().get()), ChooserFilter(messages::kInsertChooserFilter));
    std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    if (!path || path->isEmpty() || doc == nullptr) return;
    InsertionFile file;
    if (!file.open(ToPath(*path))) {
        ShowNotice(prompter_, file.openFailure());
        return;
    }
    const std::string start = DumpForm->AskInsertionStart(InsertionStartText(CursorOf(*doc)));
    doc = StillCurrent(chosen, documents_);
    if (start.empty() || doc == nullptr) return;
    const InsertionPlan plan = PlanInsertion(start, file.size(), *doc);
    if (plan.refusal != nullptr) {
        prompter_.showMessage(Text(plan.refusal));
        return;
    }
    const QString caption = Text(messages::kInsertQuestionCaption);
    if (!prompter_.askYesNo(Text(messages::kInsertQuestion), caption, MessageIcon::Question)) return;
    if (!plan.countQuestion.empty() && !prompter_.askYesNo(Text(plan.countQuestion), caption, MessageIcon::Question)) {
        return;
    }
    doc = StillCurrent(chosen, documents_);
    if (doc == nullptr) return;
    const Notice notice = InsertFileBytes(*doc, file, plan);
    documents_.repaint(*doc);
    ShowNotice(prompter_, notice);
}

}  // namespace zarvo
