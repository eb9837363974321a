#pragma once
// The Edit menu's input modes: hexadecimal or text input (Tab), text input without
// two-byte entries (Shift+Tab), and DTE inserting (Alt+Tab).

#include "ui/common/menu_actions.h"

#include <QObject>

class QAction;
class QMenu;

namespace zarvo {

struct Session;
class CurrentDocument;

class InputModeCommands final : public QObject {
    Q_OBJECT
public:
    InputModeCommands(Session& session, CurrentDocument& documents, QObject* parent = nullptr);

    void AddMenuItems(QMenu& edit, EditorItems& editorItems);

public slots:
    void HexEditMode1Click(bool checked);
    void D_MBEClick(bool checked);
    void D_DTEClick(bool checked);

signals:
    void inputModeChanged();

private:
    Session& session_;
    CurrentDocument& documents_;
    QAction* HexEditMode1 = nullptr;
    QAction* D_MBE = nullptr;
    QAction* D_DTE = nullptr;
};

}  // namespace zarvo
