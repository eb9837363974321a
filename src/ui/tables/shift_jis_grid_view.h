#pragma once
// The character grid of the table editor (jGrid): 16 × 10 cells of 24 pixels, each
// showing the character of its Shift-JIS code. The marker button ClickMe follows the
// mouse from cell to cell and shows the cell's code as its hint; clicking a cell or
// the marker hands the cell's code to the pick handler.

#include "ui/common/grid_marker.h"

#include <QFont>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace zarvo {

class Cp932Codec;

class ShiftJisGridView final : public QWidget {
public:
    using PickHandler = std::function<void(uint16_t code)>;

    ShiftJisGridView(const Cp932Codec& codec, const QFont& gridFont, QWidget* parent);

    // The scroll bar's position; the grid starts at it with the low four bits cleared.
    void setScrollPosition(int position);
    void setPickHandler(PickHandler handler) { pickHandler_ = std::move(handler); }
    [[nodiscard]] GridMarker* marker() const { return ClickMe; }
    // The cell's top left corner in the grid's own coordinates.
    [[nodiscard]] static QPoint cellOrigin(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Moves the marker onto the cell under pos; false when pos is outside the cells.
    bool MarkCellAt(const QPoint& pos);

    const Cp932Codec& codec_;
    QFont gridFont_;
    int scrollPosition_ = 0;
    uint16_t markedCode_ = 0;
    GridMarker* ClickMe = nullptr;
    PickHandler pickHandler_;
};

}  // namespace zarvo
