#pragma once
// Building menus: every item gets its object name (so commands can be found by
// name), a caption with its '&' key, a shortcut and a hint for the status bar.

#include <QKeySequence>
#include <QString>

#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace zarvo {

// The items usable only while an editor window is open; the frame enables them by the
// number of windows.
using EditorItems = std::vector<QAction*>;

QAction* AddMenuAction(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& shortcut = {},
                       const QString& hint = {});
// A checkable item; with a group it is one of the group's radio items.
QAction* AddCheckAction(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& shortcut,
                        const QString& hint, bool checked, QActionGroup* group = nullptr);
QMenu* AddSubMenu(QMenu* menu, const char* objectName, const QString& caption, const QString& hint = {});

}  // namespace zarvo
