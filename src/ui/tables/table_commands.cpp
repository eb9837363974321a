#include "ui/tables/table_commands.h"

#include "core/document.h"
#include "core/document_file.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/table_loader.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/qt_text.h"
#include "ui/tables/ttm_form.h"

#include <QAction>
#include <QMenu>

namespace zarvo {

namespace {

const QString kNoTableCaption = QStringLiteral("...");

QString TableFilesFilter() { return QStringLiteral("Tbl files (*.tbl *.TBL)"); }

// A file name shown as a menu caption: '&' would otherwise mark a key.
QString MenuCaption(const std::string& path)
{
    if (path.empty()) return kNoTableCaption;
    return FromPath(FileNamePart(path)).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TableCommands::TableCommands(Session& session, Prompter& prompter, CurrentDocument& documents,
                             std::function<void()> showHelp, QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      prompter_(prompter),
      documents_(documents)
{
    TableEditorHost host;
    host.loadTable = [this](int slot, const std::string& path) {
        if (const std::shared_ptr<DocRecord> doc = documents_.document()) LoadTableSlot(*doc, slot, path);
    };
    host.showHelp = std::move(showHelp);
    TMForm = new TTMForm(session_, prompter_, documents_, std::move(host), dialogParent);
}

void TableCommands::AddFileMenuItems(QMenu& file, EditorItems& editorItems)
{
    QMenu* OpenTableFile1 = AddSubMenu(&file, "OpenTableFile1", tr("Open Table File"), tr("Open 1 or 2 table files"));
    Tbl11 = AddMenuAction(OpenTableFile1, "Tbl11", tr("Table #1"), {}, tr("Load a table file as Table #1"));
    Tbl21 = AddMenuAction(OpenTableFile1, "Tbl21", tr("Table #2"), {}, tr("Load a table file as Table #2"));
    QMenu* Swap1 = AddSubMenu(&file, "Swap1", tr("Swap Table Files"), tr("Swap table files"));
    tblv1 = AddMenuAction(Swap1, "tblv1", kNoTableCaption, QKeySequence(tr("Ctrl+1")), tr("Switch to Table #1"));
    tblv2 = AddMenuAction(Swap1, "tblv2", kNoTableCaption, QKeySequence(tr("Ctrl+2")), tr("Switch to Table #2"));
    Asciitbl1 = AddMenuAction(Swap1, "Asciitbl1", QStringLiteral("Ascii.tbl"), QKeySequence(tr("Ctrl+3")),
                              tr("Switch to the built-in ASCII table"));
    connect(Tbl11, &QAction::triggered, this, &TableCommands::Tbl11Click);
    connect(Tbl21, &QAction::triggered, this, &TableCommands::Tbl21Click);
    connect(tblv1, &QAction::triggered, this, &TableCommands::tblv1Click);
    connect(tblv2, &QAction::triggered, this, &TableCommands::tblv2Click);
    connect(Asciitbl1, &QAction::triggered, this, &TableCommands::Asciitbl1Click);
    editorItems.insert(editorItems.end(), {OpenTableFile1->menuAction(), Swap1->menuAction()});
}

void TableCommands::AddToolsMenuItems(QMenu& tools)
{
    TableEdit1 = AddMenuAction(&tools, "TableEdit1", tr("&Table Editor"), QKeySequence(tr("Ctrl+T")),
                               tr("Edit current table file"));
    TableMaker1 =
        AddMenuAction(&tools, "TableMaker1", tr("Table &Maker"), QKeySequence(tr("Ctrl+M")), tr("Make a Table File"));
    connect(TableEdit1, &QAction::triggered, this, &TableCommands::TableEdit1Click);
    connect(TableMaker1, &QAction::triggered, this, &TableCommands::TableMaker1Click);
}

void TableCommands::Tbl11Click()
{
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) ChooseTableSlot(*doc, 0);
}

void TableCommands::Tbl21Click()
{
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) ChooseTableSlot(*doc, 1);
}

void TableCommands::ChooseTableSlot(DocRecord& doc, int slot)
{
    const std::optional<QString> path = prompter_.chooseOpenFile(
        tr("Open Table File"), ChooserSuggestion(session_, &doc, "tbl"), TableFilesFilter());
    if (!path || path->isEmpty()) return;
    LoadTableSlot(doc, slot, ToPath(*path));
}

void TableCommands::LoadTableSlot(DocRecord& doc, int slot, const std::string& path)
{
    TellTableLoad(LoadTableIntoSlot(doc, session_.tables, slot, path));
    AfterTableLoad(doc);
}

void TableCommands::ReadActiveTable(DocRecord& doc) { TellTableLoad(ReloadActiveTable(doc, session_.tables)); }

void TableCommands::TellTableLoad(TableLoadResult result)
{
    if (result == TableLoadResult::OutOfMemory) prompter_.showMessage(Text(messages::kTableAllocation));
}

void TableCommands::tblv1Click() { SwitchTable(0); }

void TableCommands::tblv2Click() { SwitchTable(1); }

void TableCommands::SwitchTable(int slot)
{
    const QAction* item = slot == 0 ? tblv1 : tblv2;
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (item->text() == kNoTableCaption || doc == nullptr) return;
    // The other table is not kept in memory: switching reads the file again.
    LoadTableSlot(*doc, slot, doc->table.tableName[static_cast<std::size_t>(slot)]);
}

void TableCommands::Asciitbl1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    LoadAsciiTable(*doc, session_.tables);
    AfterTableLoad(*doc);
}

void TableCommands::AfterTableLoad(DocRecord& doc)
{
    SetSwapCaptions(doc);
    documents_.repaint(doc);
    emit tableLoaded();
}

void TableCommands::SetSwapCaptions(const DocRecord& doc)
{
    tblv1->setText(MenuCaption(doc.table.tableName[0]));
    tblv2->setText(MenuCaption(doc.table.tableName[1]));
}

void TableCommands::DocumentActivated(DocRecord& doc, bool tableJustRead)
{
    SetSwapCaptions(doc);
    // Reading the table again brings the program-wide bookmarks and dump labels back
    // to this document's table file.
    if (!tableJustRead && (doc.table.activeTable == 0 || doc.table.activeTable == 1)) {
        ReadActiveTable(doc);
        documents_.repaint(doc);
    }
}

void TableCommands::NoDocumentLeft()
{
    tblv1->setText(kNoTableCaption);
    tblv2->setText(kNoTableCaption);
}

void TableCommands::TableEdit1Click()
{
    std::weak_ptr<DocRecord> edited;
    std::string fileName;
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) {
        fileName = ActiveTablePath(doc->table);
        edited = doc;
    } else {
        return;
    }
    TMForm->PrepareEditor(fileName);
    TMForm->exec();
    // Edits saved to the table's file take effect now, if the window is still there.
    const std::shared_ptr<DocRecord> still = edited.lock();
    if (fileName.empty() || still == nullptr || still != documents_.document()) return;
    ReadActiveTable(*still);
    AfterTableLoad(*still);
}

void TableCommands::TableMaker1Click()
{
    TMForm->PrepareMaker();
    TMForm->exec();
}

void TableCommands::EditPreparedLines(const std::vector<std::string>& lines)
{
    TMForm->PrepareLines(lines);
    TMForm->exec();
}

}  // namespace zarvo
