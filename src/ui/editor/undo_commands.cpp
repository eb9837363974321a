#include "ui/editor/undo_commands.h"

#include "core/document.h"
#include "core/document_edit.h"
#include "ui/common/current_document.h"

#include <QAction>
#include <QMenu>

namespace zarvo {

UndoCommands::UndoCommands(CurrentDocument& documents, QObject* parent) : QObject(parent), documents_(documents) {}

void UndoCommands::AddMenuItems(QMenu& edit)
{
    Undo1 = AddMenuAction(&edit, "Undo1", tr("&Undo"), QKeySequence(tr("Ctrl+Z")), tr("Take back the last change"));
    Redo1 = AddMenuAction(&edit, "Redo1", tr("&Redo"), QKeySequence(tr("Ctrl+Y")), tr("Make the change again"));
    Redo1->setShortcuts({QKeySequence(tr("Ctrl+Y")), QKeySequence(tr("Ctrl+Shift+Z"))});
    connect(Undo1, &QAction::triggered, this, &UndoCommands::Undo1Click);
    connect(Redo1, &QAction::triggered, this, &UndoCommands::Redo1Click);
    UpdateItems();
}

void UndoCommands::Undo1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc != nullptr && UndoEdit(*doc)) documents_.repaint(*doc);
    UpdateItems();
}

void UndoCommands::Redo1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc != nullptr && RedoEdit(*doc)) documents_.repaint(*doc);
    UpdateItems();
}

void UndoCommands::UpdateItems()
{
    if (Undo1 == nullptr) return;
    const std::shared_ptr<DocRecord> doc = documents_.document();
    Undo1->setEnabled(doc != nullptr && doc->journal.canUndo());
    Redo1->setEnabled(doc != nullptr && doc->journal.canRedo());
}

}  // namespace zarvo
