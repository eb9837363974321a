#pragma once
// The frame's status bar MDIBar: five panels with the cursor byte and offset and a
// sixth with the hint of the hovered menu item, over which the size and range of the
// active window's selection stand while it has one.

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
    // Empties the five value panels and the selection's text: no editor window is
    // left to describe.
    void clearValueTexts();
    void setHint(const QString& hint);
    // Shown in the sixth panel instead of the hint; empty gives the hint back.
    void setSelectionText(const QString& text);
    // The five value panels' texts; for the sixth the hint it holds (what the tile
    // editor's bar takes over), the selection's text aside.
    [[nodiscard]] QString panelText(int panel) const;
    [[nodiscard]] QString selectionText() const { return selection_; }

private:
    void showLastPanel();

    std::array<QLabel*, kStatusPanels> panels_{};
    QString hint_;
    QString selection_;
};

}  // namespace zarvo
