#include "ui/script/script_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "script/pointer_fields.h"
#include "script/script_document.h"
#include "script/script_messages.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/script/tpointer_form.h"
#include "ui/search/tlist_form.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace zarvo {

ScriptCommands::ScriptCommands(Session& session, Prompter& prompter, CurrentDocument& documents, TListForm& list,
                               QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      list_(list),
      dumpWriter_(dialogParent)
{
    PointerForm = new TPointerForm(session_, prompter_, dialogParent);
}

void ScriptCommands::AddMenuItems(QMenu& edit, QAction* before, EditorItems& editorItems)
{
    QAction* InsertText1 = AddMenuAction(&edit, "InsertText1", tr("Insert Text"), QKeySequence(tr("Ctrl+Shift+I")),
                                         tr("Insert Text into the current file"));
    AtlasTables1 = AddCheckAction(&edit, "AtlasTables1", tr("Scripts Use Atlas Tables"), {},
                                  tr("Read the tables of scripts in the script inserters' own dialect"),
                                  session_.script.atlasTables);
    QAction* DumpScript1 = AddMenuAction(&edit, "DumpScript1", tr("Dump Script..."), QKeySequence(tr("Ctrl+Shift+D")),
                                         tr("Write the script of a pointer table to a file"));
    QAction* FindPointers1 =
        AddMenuAction(&edit, "FindPointers1", tr("Find Pointers to Cursor"), QKeySequence(tr("Ctrl+Shift+P")),
                      tr("List the places holding a pointer to the cursor"));
    QAction* FollowPointer1 =
        AddMenuAction(&edit, "FollowPointer1", tr("Follow Pointer"), QKeySequence(tr("Ctrl+Shift+F")),
                      tr("Go where the pointer at the cursor points"));
    if (before != nullptr)
        edit.insertActions(before, {InsertText1, AtlasTables1, DumpScript1, FindPointers1, FollowPointer1});

    connect(InsertText1, &QAction::triggered, this, &ScriptCommands::InsertText1Click);
    connect(AtlasTables1, &QAction::toggled, this, &ScriptCommands::AtlasTables1Click);
    connect(DumpScript1, &QAction::triggered, this, &ScriptCommands::DumpScript1Click);
    connect(FindPointers1, &QAction::triggered, this, &ScriptCommands::FindPointers1Click);
    connect(FollowPointer1, &QAction::triggered, this, &ScriptCommands::FollowPointer1Click);
    editorItems.insert(editorItems.end(), {InsertText1, DumpScript1, FindPointers1, FollowPointer1});
}

void ScriptCommands::InsertText1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired()) return;
    const std::optional<QString> path =
        prompter_.chooseOpenFile(Text(messages::kInsertTextCaption), ChooserFolder(session_, chosen.lock().get()),
                                 ChooserFilter(messages::kScriptChooserFilter));
    const std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    if (!path || path->isEmpty() || doc == nullptr) return;
    const Notice notice = InsertScriptIntoDocument(*doc, ToPath(*path), session_.script.atlasTables);
    documents_.repaint(*doc);
    ShowNotice(prompter_, notice);
}

void ScriptCommands::AtlasTables1Click(bool checked) { session_.script.atlasTables = checked; }

void ScriptCommands::DumpScript1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired()) return;
    if (const Notice refusal = DumpScriptRefusal(*chosen.lock()); !refusal.empty()) {
        ShowNotice(prompter_, refusal);
        return;
    }
    if (!PointerForm->Ask(TPointerForm::Use::DumpScript)) return;
    const std::optional<QString> path = prompter_.chooseSaveFile(
        Text(messages::kDumpScriptCaption), ChooserSuggestion(session_, chosen.lock().get(), "txt"),
        ChooserFilter(messages::kScriptChooserFilter));
    const std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    if (!path || path->isEmpty() || doc == nullptr) return;
    const ScriptState& script = session_.script;
    ScriptDumpRequest request;
    request.pointerTable = script.pointerTable;
    request.count = script.count;
    request.stride = script.pointers.step;
    request.form = PointerFormOf(script.pointers);
    ShowNotice(prompter_, DumpDocumentScript(*doc, request, ToPath(*path), dumpWriter_.output()));
}

void ScriptCommands::FindPointers1Click()
{
    const std::weak_ptr<DocRecord> chosen = documents_.document();
    if (chosen.expired() || !PointerForm->Ask(TPointerForm::Use::FindPointers)) return;
    const std::shared_ptr<DocRecord> doc = StillCurrent(chosen, documents_);
    if (doc == nullptr) return;
    const PointerSettings& pointers = session_.script.pointers;
    const Notice notice =
        ListPointersTo(session_.search.list, *doc, doc->cursorOffset, PointerFormOf(pointers), pointers.everyForm);
    if (!notice.empty()) {
        ShowNotice(prompter_, notice);
        return;
    }
    list_.LinesChanged();
    list_.ShowResults();
}

void ScriptCommands::FollowPointer1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const PointerFollow follow = FollowPointer(*doc, doc->cursorOffset, PointerFormOf(session_.script.pointers));
    if (follow.target) {
        documents_.jumpTo(*doc, *follow.target);
    } else {
        ShowNotice(prompter_, follow.refusal);
    }
}

}  // namespace zarvo
