#pragma once
// The Edit menu's script and pointer commands: Insert Text (Ctrl+Shift+I) puts a
// translated script back into the active document as one undo step, Scripts Use
// Atlas Tables says how its tables are read (kept in the settings), Dump Script...
// (Ctrl+Shift+D) writes the script of a pointer table, Find Pointers to Cursor
// (Ctrl+Shift+P) lists the places pointing at the cursor in the Data List, and
// Follow Pointer (Ctrl+Shift+F) goes where the pointer at the cursor points, in the
// form last used.

#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"
#include "ui/dump/dump_progress_writer.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace zarvo {

struct Session;
class CurrentDocument;
class TListForm;
class TPointerForm;

class ScriptCommands final : public QObject {
    Q_OBJECT
public:
    // The pointer hits go to list, the search results' window.
    ScriptCommands(Session& session, Prompter& prompter, CurrentDocument& documents, TListForm& list,
                   QWidget* dialogParent);

    // The items go in front of `before` (at the end when it is null).
    void AddMenuItems(QMenu& edit, QAction* before, EditorItems& editorItems);

    [[nodiscard]] TPointerForm* pointerDialog() const { return PointerForm; }

public slots:
    void InsertText1Click();
    void AtlasTables1Click(bool checked);
    void DumpScript1Click();
    void FindPointers1Click();
    void FollowPointer1Click();

private:
    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    TListForm& list_;
    TPointerForm* PointerForm = nullptr;
    QAction* AtlasTables1 = nullptr;
    DumpProgressWriter dumpWriter_;
};

}  // namespace zarvo
