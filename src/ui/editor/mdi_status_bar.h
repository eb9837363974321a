#pragma once
// The frame's status bar MDIBar: five panels with the cursor byte and offset and a
// sixth with the hint of the hovered menu item.

#include "view/status_text.h"

#include <QStatusBar>

#include <array>
#include <string>

class QLabel;

namespace zarvo {

class MdiStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit MdiStatusBar(QWidget* parent = nullptr);

    void setValueTexts(const std::array<std::string, 5>& texts);
    // Empties the five value panels: no editor window is left to describe.
    void clearValueTexts();
    void setHint(const QString& hint);
    [[nodiscard]] QString panelText(int panel) const;

private:
    std::array<QLabel*, kStatusPanels> panels_{};
};

}  // namespace zarvo
