#pragma once
// The table commands: Table #1 and Table #2 chosen from files, the swap items that
// switch between them and the built-in ASCII table, the table reread when a window
// becomes active, and the table editor and table maker.

#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zarvo {

enum class TableLoadResult;

struct DocRecord;
struct Session;
class CurrentDocument;
class TTMForm;

class TableCommands final : public QObject {
    Q_OBJECT
public:
    TableCommands(Session& session, Prompter& prompter, CurrentDocument& documents, std::function<void()> showHelp,
                  QWidget* dialogParent);

    // The File menu's OpenTableFile1 and Swap1 submenus.
    void AddFileMenuItems(QMenu& file, EditorItems& editorItems);
    // The Tools menu's TableEdit1 and TableMaker1.
    void AddToolsMenuItems(QMenu& tools);

    // The window of doc became active: the swap captions show its tables, and its
    // table is read again so that the bookmarks and dump labels are its own.
    void DocumentActivated(DocRecord& doc, bool tableJustRead);
    // The last editor window closed: the swap items show no table.
    void NoDocumentLeft();
    // Opens the table editor in its third mode on lines made elsewhere.
    void EditPreparedLines(const std::vector<std::string>& lines);

    // A table was read into doc elsewhere (after a bookmark was appended): the swap
    // captions, the window and the menus follow it.
    void AfterTableLoad(DocRecord& doc);

    [[nodiscard]] TTMForm* tableEditor() const { return TMForm; }

public slots:
    void Tbl11Click();
    void Tbl21Click();
    void tblv1Click();
    void tblv2Click();
    void Asciitbl1Click();
    void TableEdit1Click();
    void TableMaker1Click();

signals:
    // A table was loaded into a document: the menus follow its bookmarks and labels.
    void tableLoaded();

private:
    // Table #1 (slot 0) or Table #2 (slot 1) of doc from a file the user picks.
    void ChooseTableSlot(DocRecord& doc, int slot);
    // Loads path as Table #1 (slot 0) or Table #2 (slot 1) of doc and shows it.
    void LoadTableSlot(DocRecord& doc, int slot, const std::string& path);
    // Reads the document's active table file (the ASCII table when it cannot be read).
    void ReadActiveTable(DocRecord& doc);
    // A table too large for the memory is told; every other outcome shows itself.
    void TellTableLoad(TableLoadResult result);
    void SwitchTable(int slot);
    void SetSwapCaptions(const DocRecord& doc);

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    TTMForm* TMForm = nullptr;
    QAction* Tbl11 = nullptr;
    QAction* Tbl21 = nullptr;
    QAction* tblv1 = nullptr;
    QAction* tblv2 = nullptr;
    QAction* Asciitbl1 = nullptr;
    QAction* TableEdit1 = nullptr;
    QAction* TableMaker1 = nullptr;
};

}  // namespace zarvo
