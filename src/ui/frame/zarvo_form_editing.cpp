// The frame's side of editing and the settings: the input-mode items of the Edit
// menu, the settings dialog, the view font and the settings file.

#include "core/settings_file.h"
#include "ui/editor/mdi_child.h"
#include "ui/frame/zarvo_form.h"
#include "ui/settings/tcol_form.h"
#include "view/text_input.h"

#include <QAction>
#include <QFontInfo>

namespace zarvo {

void TZarvoForm::HexEditMode1Click(bool checked)
{
    TMDIChild* editor = activeEditorWithData();
    if (editor == nullptr) {
        // Nothing switched: the check mark stays as it was.
        HexEditMode1->setChecked(!checked);
        return;
    }
    DocRecord& doc = editor->document();
    const EditResult result = ToggleInputMode(doc, session_.view);
    HexEditMode1->setChecked(doc.textMode);
    editor->ShowLine(result.firstRow, result.secondRow);
    UpdateMenuItems();
}

void TZarvoForm::D_MBEClick(bool checked) { session_.input.D_MBE = checked; }

void TZarvoForm::D_DTEClick(bool checked) { session_.input.D_DTE = checked; }

void TZarvoForm::Settings1Click()
{
    ColForm->exec();
    // Spacing and blinking concern every window, not only the active one.
    RepaintAll();
}

void TZarvoForm::SetFont1Click()
{
    // The dialog starts at the face the view shows (a requested face that is not
    // installed is not in its list) and at that font's size in points.
    QFont initial = context_.viewFont;
    initial.setFamily(QFontInfo(context_.viewFont).family());
    initial.setPointSize(PointSizeOf(context_.viewFont));
    const std::optional<QFont> font = prompter_.chooseFont(initial);
    if (!font) return;
    // The kana font is made anew only for an active window, at its font's size.
    context_.setViewFont(*font, activeEditor() != nullptr);
    RepaintAll();
}

void TZarvoForm::UpdateConfigurationFile1Click()
{
    const SettingsUpdate update =
        UpdateConfigurationFile(session_.settingsPath, ColForm->storedSettings(), session_.applicationReady);
    if (update.message != nullptr) prompter_.showMessage(QString::fromUtf8(update.message));
}

}  // namespace zarvo
