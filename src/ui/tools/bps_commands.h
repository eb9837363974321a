#pragma once
// The BPS items of the Tools menu: making a BPS patch from an unchanged file to the
// active document, and patching the document in memory with a BPS or a UPS patch.

#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

class QMenu;
class QWidget;

namespace zarvo {

struct Session;
class CurrentDocument;

class BpsCommands final : public QObject {
    Q_OBJECT
public:
    BpsCommands(Session& session, Prompter& prompter, CurrentDocument& documents, QWidget* dialogParent);

    void AddMenuItems(QMenu& tools, EditorItems& editorItems);

public slots:
    void BPSMake1Click();
    void BPSPatch1Click();

private:
    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    QWidget* dialogParent_;
};

}  // namespace zarvo
