#include "ui/editor/input_mode_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "ui/common/current_document.h"
#include "view/text_input.h"

#include <QAction>
#include <QMenu>

namespace zarvo {

InputModeCommands::InputModeCommands(Session& session, CurrentDocument& documents, QObject* parent)
    : QObject(parent),
      session_(session),
      documents_(documents)
{}

void InputModeCommands::AddMenuItems(QMenu& edit, EditorItems& editorItems)
{
    HexEditMode1 = AddCheckAction(&edit, "HexEditMode1", tr("&Hex / Text Edit Mode"), QKeySequence(Qt::Key_Tab),
                                  tr("Switch between hexadecimal and text input"), false);
    D_MBE =
        AddCheckAction(&edit, "D_MBE", tr("Enable / Disable 16-Bit ASCII Input"), QKeySequence(Qt::SHIFT | Qt::Key_Tab),
                       tr("Text input never falls back to two-byte table entries"), false);
    // X11 matches Shift+Tab; other sources send the key as Shift+Backtab.
    D_MBE->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::SHIFT | Qt::Key_Backtab)});
    D_DTE = AddCheckAction(&edit, "D_DTE", tr("Enable / Disable DTE Inserting"), QKeySequence(Qt::ALT | Qt::Key_Tab),
                           tr("Typed characters are joined into DTE bytes"), false);
    // The keys reach these items wherever the focus is in the frame, before any
    // widget could take Tab for moving the focus.
    for (QAction* item : {HexEditMode1, D_MBE, D_DTE}) item->setShortcutContext(Qt::WindowShortcut);

    connect(HexEditMode1, &QAction::triggered, this, &InputModeCommands::HexEditMode1Click);
    connect(D_MBE, &QAction::triggered, this, &InputModeCommands::D_MBEClick);
    connect(D_DTE, &QAction::triggered, this, &InputModeCommands::D_DTEClick);
    editorItems.push_back(HexEditMode1);
}

void InputModeCommands::HexEditMode1Click(bool checked)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) {
        // Nothing switched: the check mark stays as it was.
        HexEditMode1->setChecked(!checked);
        return;
    }
    EditResult result = ToggleInputMode(*doc, session_.view);
    HexEditMode1->setChecked(doc->textMode);
    documents_.showEdit(*doc, result);
    emit inputModeChanged();
}

void InputModeCommands::D_MBEClick(bool checked) { session_.input.D_MBE = checked; }

void InputModeCommands::D_DTEClick(bool checked) { session_.input.D_DTE = checked; }

}  // namespace zarvo
