#pragma once
// The Edit menu's Undo and Redo: the active document's last command taken back, or
// done again, enabled only while there is one.

#include "ui/common/menu_actions.h"

#include <QObject>

class QAction;
class QMenu;

namespace zarvo {

class CurrentDocument;

class UndoCommands final : public QObject {
    Q_OBJECT
public:
    explicit UndoCommands(CurrentDocument& documents, QObject* parent = nullptr);

    // Undo1 and Redo1, first in the menu.
    void AddMenuItems(QMenu& edit);

public slots:
    void Undo1Click();
    void Redo1Click();
    // Enables the items by what the active document can take back or do again.
    void UpdateItems();

private:
    CurrentDocument& documents_;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
};

}  // namespace zarvo
