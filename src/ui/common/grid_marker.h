#pragma once
// The marker of the character grids (the table editor's Shift-JIS grid, the Find
// dialog's kana grid): a flat, see-through button that frames the cell under the
// mouse; a click on it picks that cell.

#include <QAbstractButton>

namespace zarvo {

class GridMarker final : public QAbstractButton {
public:
    // Named "ClickMe" and sized for one cell of kGridCellPixels; a grid of other cells
    // sets its own geometry.
    explicit GridMarker(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zarvo
