#pragma once
// The settings dialog TColForm: three check boxes holding the display settings
// (blinking cursor, rows sized to the window, spaced hexadecimal bytes). The boxes
// show Session::settings and change it when they are toggled.
// Created once by the frame (after it has read the settings file), hidden, shown
// modally.

#include "core/settings_file.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTimer;

namespace zarvo {

struct ViewContext;

class TColForm final : public QDialog {
    Q_OBJECT
public:
    // Timer1 is the frame's blink timer: it runs exactly while BlinkBox is checked.
    TColForm(ViewContext& context, QTimer& Timer1, QWidget* parent = nullptr);

    // What the settings file keeps: the three boxes and the view font.
    [[nodiscard]] StoredSettings storedSettings() const;

    [[nodiscard]] QCheckBox* blinkBox() const { return BlinkBox; }
    [[nodiscard]] QCheckBox* fixedRow() const { return FixedRow; }
    [[nodiscard]] QCheckBox* spacedHex() const { return SpacedHex; }

public slots:
    void BlinkBoxClick(bool checked);
    void Button1Click();

protected:
    // The boxes show the settings as they are now.
    void showEvent(QShowEvent* event) override;

private:
    ViewContext& context_;
    QTimer& Timer1;
    QCheckBox* BlinkBox = nullptr;
    QCheckBox* FixedRow = nullptr;
    QCheckBox* SpacedHex = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace zarvo
