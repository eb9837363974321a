#pragma once
// The Options menu: the settings dialog, the view font and the settings file.

#include "ui/common/prompter.h"

#include <QObject>

class QMenu;
class QTimer;
class QWidget;

namespace zarvo {

struct ViewContext;
class EditorWindows;
class TColForm;

class SettingsCommands final : public QObject {
    Q_OBJECT
public:
    // The settings dialog is made here, showing the settings read at start-up;
    // Timer1 runs exactly while blinking is on.
    SettingsCommands(ViewContext& context, Prompter& prompter, EditorWindows& windows, QTimer& Timer1,
                     QWidget* dialogParent);

    void AddMenuItems(QMenu& options);
    [[nodiscard]] TColForm* settingsDialog() const { return ColForm; }

public slots:
    void Settings1Click();
    void SetFont1Click();
    void UpdateConfigurationFile1Click();

private:
    ViewContext& context_;
    Prompter& prompter_;
    EditorWindows& windows_;
    TColForm* ColForm = nullptr;
};

}  // namespace zarvo
