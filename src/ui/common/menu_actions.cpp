#include "ui/common/menu_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace zarvo {

QAction* AddMenuAction(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& shortcut,
                       const QString& hint)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    menu->addAction(action);
    return action;
}

QAction* AddCheckAction(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& shortcut,
                        const QString& hint, bool checked, QActionGroup* group)
{
    QAction* action = AddMenuAction(menu, objectName, caption, shortcut, hint);
    action->setCheckable(true);
    action->setChecked(checked);
    if (group != nullptr) group->addAction(action);
    return action;
}

QMenu* AddSubMenu(QMenu* menu, const char* objectName, const QString& caption, const QString& hint)
{
    QMenu* subMenu = menu->addMenu(caption);
    subMenu->setObjectName(QString::fromLatin1(objectName));
    subMenu->menuAction()->setObjectName(QString::fromLatin1(objectName));
    subMenu->menuAction()->setStatusTip(hint);
    return subMenu;
}

}  // namespace zarvo
