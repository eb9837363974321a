// The frame's side of the table editor: creating the window once, and the two
// commands that open it as table editor or table maker.

#include "ui/editor/mdi_child.h"
#include "ui/frame/zarvo_form.h"
#include "ui/tables/ttm_form.h"

#include <QPointer>

namespace zarvo {

void TZarvoForm::CreateTableEditor()
{
    TableEditorHost host;
    host.activeDocument = [this]() -> DocRecord* {
        TMDIChild* editor = activeEditorWithData();
        return editor == nullptr ? nullptr : &editor->document();
    };
    host.loadTable = [this](int slot) {
        if (TMDIChild* editor = activeEditorWithData()) LoadTableSlot(*editor, slot, true);
    };
    host.showHelp = [this] { HelpTopics1Click(); };
    TMForm = new TTMForm(session_, prompter_, std::move(host), this);
}

void TZarvoForm::TableEdit1Click()
{
    const QPointer<TMDIChild> editor = activeEditorWithData();
    if (editor == nullptr) return;
    const auto slot = static_cast<std::size_t>(editor->document().table.activeTable);
    const std::string fileName = slot < kTableSlots ? editor->document().table.tableName[slot] : std::string();
    TMForm->PrepareEditor(fileName);
    TMForm->exec();
    // Edits saved to the table's file take effect now.
    if (fileName.empty() || editor == nullptr) return;
    DocRecord& doc = editor->document();
    ReadActiveTable(doc);
    AfterTableLoad(*editor);
}

void TZarvoForm::TableMaker1Click()
{
    TMForm->PrepareMaker();
    TMForm->exec();
}

}  // namespace zarvo
