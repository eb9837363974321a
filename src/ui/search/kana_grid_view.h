#pragma once
// The kana character grid of the Find dialog (fGrid): 6 rows of 16 cells of 24
// pixels, each showing the character of its Shift-JIS code from the grid kbox
// chooses. It reports the cell under the mouse and clicks; the dialog moves its
// highlight and types the character.

#include "search/kana_grid.h"

#include <QFont>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace zarvo {

class Cp932Codec;

class KanaGridView final : public QWidget {
public:
    using HoverHandler = std::function<void(KanaCell cell)>;
    using ClickHandler = std::function<void()>;

    KanaGridView(const Cp932Codec& codec, QWidget* parent);

    // The grid to draw (an item of kbox) and the font its characters are drawn with.
    void showGrid(int32_t grid, const QFont& gridFont);
    [[nodiscard]] int32_t grid() const { return grid_; }
    void setHoverHandler(HoverHandler handler) { hoverHandler_ = std::move(handler); }
    void setClickHandler(ClickHandler handler) { clickHandler_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Cp932Codec& codec_;
    QFont gridFont_;
    int32_t grid_ = 0;
    HoverHandler hoverHandler_;
    ClickHandler clickHandler_;
};

}  // namespace zarvo
