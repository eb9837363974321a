#include "ui/search/search_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "search/find_dialog.h"
#include "search/search_messages.h"
#include "ui/common/current_document.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/search/tlist_form.h"
#include "ui/search/topts_form.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace zarvo {

SearchCommands::SearchCommands(Session& session, Prompter& prompter, CurrentDocument& documents,
                               std::function<void(const std::vector<std::string>&)> editPreparedLines,
                               QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      prompter_(prompter),
      documents_(documents)
{
    ListForm = new TListForm(session_, documents_, std::move(editPreparedLines), dialogParent);
    OptsForm = new TOptsForm(session_, prompter_, documents_, *ListForm, dialogParent);
}

void SearchCommands::AddMenuItems(QMenu& search, EditorItems& editorItems)
{
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        const char* hint;
        void (SearchCommands::*handler)();
    };
    const Item items[] = {
        {"AsciiSearch1", messages::kTextSearchItem, QKeySequence(tr("Ctrl+F")), messages::kTextSearchHint,
         &SearchCommands::AsciiSearch1Click},
        {"HexSearch1", messages::kHexSearchItem, QKeySequence(tr("Ctrl+H")), messages::kHexSearchHint,
         &SearchCommands::HexSearch1Click},
        {"KanaSearch1", messages::kKanaSearchItem, QKeySequence(tr("Ctrl+K")), messages::kKanaSearchHint,
         &SearchCommands::KanaSearch1Click},
        {"RelativeSearch1", messages::kRelativeSearchItem, QKeySequence(tr("Ctrl+R")), messages::kRelativeSearchHint,
         &SearchCommands::RelativeSearch1Click},
        {"SearchAgain1", messages::kSearchAgainItem, QKeySequence(Qt::Key_F3), messages::kSearchAgainHint,
         &SearchCommands::SearchAgain1Click},
    };
    for (const Item& item : items) {
        QAction* action = AddMenuAction(&search, item.name, Text(item.caption), item.shortcut, Text(item.hint));
        connect(action, &QAction::triggered, this, item.handler);
        editorItems.push_back(action);
    }
}

void SearchCommands::AsciiSearch1Click() { RunFindDialog(FindKind::Text); }

void SearchCommands::HexSearch1Click() { RunFindDialog(FindKind::Hex); }

void SearchCommands::KanaSearch1Click() { RunFindDialog(FindKind::Kana); }

void SearchCommands::RelativeSearch1Click() { RunFindDialog(FindKind::Relative); }

void SearchCommands::RunFindDialog(FindKind kind)
{
    // A search under way lets events run; a second command waits until it is done.
    if (session_.search.dialog.searchRunning || documents_.document() == nullptr) return;
    if (OptsForm->isVisible()) OptsForm->hide();
    OptsForm->Prepare(OpenFindDialog(session_.search, kind));
    OptsForm->exec();
    // The frame takes the keys back, also when a message box closed the dialog.
    if (QWidget* frame = OptsForm->parentWidget()) frame->activateWindow();

    const AfterDialogOutcome after = AfterFindDialog(session_.search);
    OptsForm->ShowOptions();
    if (after.showList) ListForm->ShowResults();
    if (after.notice) ShowNotice(prompter_, *after.notice);
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) documents_.repaint(*doc);
}

void SearchCommands::SearchAgain1Click()
{
    if (session_.search.dialog.searchRunning) return;
    const std::shared_ptr<DocRecord> doc = documents_.document();
    const FindButtonOutcome outcome = SearchAgain(session_, doc.get());
    if (outcome.ignored) return;
    ListForm->LinesChanged();
    if (outcome.notice) ShowNotice(prompter_, *outcome.notice);
    if (outcome.showList) ListForm->ShowResults();
    if (outcome.repaint && doc != nullptr) documents_.repaint(*doc);
}

}  // namespace zarvo
