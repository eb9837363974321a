#pragma once
// The menu "&Search": text, hexadecimal, kana and relative search through the Find
// dialog, and Search Again. The Find dialog and the result list are created once
// here and reused; the dump commands reach the list through resultList().

#include "core/search_state.h"
#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMenu;
class QWidget;

namespace zarvo {

struct Session;
class CurrentDocument;
class TListForm;
class TOptsForm;

class SearchCommands final : public QObject {
    Q_OBJECT
public:
    // editPreparedLines opens the table editor modally on prepared lines (its mode 2).
    SearchCommands(Session& session, Prompter& prompter, CurrentDocument& documents,
                   std::function<void(const std::vector<std::string>&)> editPreparedLines, QWidget* dialogParent);

    void AddMenuItems(QMenu& search, EditorItems& editorItems);

    [[nodiscard]] TOptsForm* findDialog() const { return OptsForm; }
    [[nodiscard]] TListForm* resultList() const { return ListForm; }

public slots:
    void AsciiSearch1Click();
    void HexSearch1Click();
    void KanaSearch1Click();
    void RelativeSearch1Click();
    void SearchAgain1Click();

private:
    // A search command: the dialog laid out for kind and shown modally, then the list
    // or the relative search's "not found" and a repaint.
    void RunFindDialog(FindKind kind);

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    TListForm* ListForm = nullptr;
    TOptsForm* OptsForm = nullptr;
};

}  // namespace zarvo
