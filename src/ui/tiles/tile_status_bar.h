#pragma once
// The frame's tile status bar TileBAR, shown instead of MDIBar while the tile editor
// is on: six panels describing the active document's sheet and a seventh with the
// hint of the hovered menu item.

#include <QStatusBar>

#include <array>
#include <string>

class QLabel;

namespace zarvo {

class TileStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit TileStatusBar(QWidget* parent = nullptr);

    void setValueTexts(const std::array<std::string, 6>& texts);
    void setHint(const QString& hint);
    [[nodiscard]] QString panelText(int panel) const;

private:
    std::array<QLabel*, 7> panels_{};
};

}  // namespace zarvo
