#include "ui/settings/settings_commands.h"

#include "core/settings_file.h"
#include "core/settings_location.h"
#include "ui/common/editor_windows.h"
#include "ui/common/menu_actions.h"
#include "ui/common/qt_text.h"
#include "ui/editor/view_context.h"
#include "ui/settings/tcol_form.h"

#include <QAction>
#include <QFontInfo>
#include <QMenu>

namespace zarvo {

SettingsCommands::SettingsCommands(ViewContext& context, Prompter& prompter, EditorWindows& windows, QTimer& Timer1,
                                   QWidget* dialogParent)
    : QObject(dialogParent),
      context_(context),
      prompter_(prompter),
      windows_(windows)
{
    ColForm = new TColForm(context_, Timer1, dialogParent);
}

void SettingsCommands::AddMenuItems(QMenu& options)
{
    QAction* Settings1 = AddMenuAction(&options, "Settings1", tr("Sett&ings..."), QKeySequence(tr("Ctrl+I")),
                                       tr("Change the display settings"));
    QAction* SetFont1 = AddMenuAction(&options, "SetFont1", tr("Set &Font..."), {}, tr("Select New font for  output"));
    QAction* UpdateConfigurationFile1 = AddMenuAction(
        &options, "UpdateConfigurationFile1", tr("Update &Config File..."), {}, tr("Write the settings file now"));
    UpdateConfigurationFile1->setVisible(false);
    connect(Settings1, &QAction::triggered, this, &SettingsCommands::Settings1Click);
    connect(SetFont1, &QAction::triggered, this, &SettingsCommands::SetFont1Click);
    connect(UpdateConfigurationFile1, &QAction::triggered, this, &SettingsCommands::UpdateConfigurationFile1Click);
}

void SettingsCommands::Settings1Click()
{
    ColForm->exec();
    // Spacing and blinking concern every window, not only the active one.
    windows_.repaintAll();
}

void SettingsCommands::SetFont1Click()
{
    // The dialog starts at the font the view shows: the installed face (a requested
    // face that is not installed is not in its list), its own style name and size.
    const QFontInfo shown(context_.viewFont);
    QFont initial = context_.viewFont;
    initial.setFamily(shown.family());
    initial.setStyleName(shown.styleName());
    initial.setPointSize(PointSizeOf(context_.viewFont));
    const std::optional<QFont> font = prompter_.chooseFont(initial);
    if (!font) return;
    // The kana font is made anew only for an active window, at its font's size.
    context_.setViewFont(*font, windows_.activeEditorWidget() != nullptr);
    // Rows of the new height make the page: the last rows of the file stay reachable
    // and no row is shown past the page.
    if (windows_.document() != nullptr && !context_.session.tiles.editorOn) windows_.fitActiveToWindow();
    windows_.repaintAll();
}

void SettingsCommands::UpdateConfigurationFile1Click()
{
    // A failure to make the folder shows as the write's failure.
    (void)MakeSettingsFolder(context_.session.settingsFolderToMake);
    const SettingsUpdate update = UpdateConfigurationFile(context_.session.settingsPath, ColForm->storedSettings(),
                                                          context_.session.applicationReady);
    if (update.message != nullptr) prompter_.showMessage(Text(update.message));
}

}  // namespace zarvo
