#include "ui/search/kana_grid_view.h"

#include "core/cp932.h"

#include <QMouseEvent>
#include <QPainter>

namespace zarvo {

KanaGridView::KanaGridView(const Cp932Codec& codec, QWidget* parent) : QWidget(parent), codec_(codec)
{
    setObjectName(QStringLiteral("fGrid"));
    setFixedSize(382, kKanaGridRows * kKanaCellPixels);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void KanaGridView::showGrid(int32_t grid, const QFont& gridFont)
{
    grid_ = grid;
    gridFont_ = gridFont;
    update();
}

void KanaGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setFont(gridFont_);
    painter.setPen(palette().windowText().color());
    for (int32_t row = 0; row < kKanaGridRows; ++row) {
        for (int32_t column = 0; column < kKanaGridColumns; ++column) {
            const KanaCell cell{column, row};
            const std::u16string character = codec_.decode(KanaCodeBytes(KanaCellCode(grid_, cell)));
            const PixelPoint at = KanaGlyphPosition(cell);
            painter.drawText(QRect(at.x, at.y, kKanaCellPixels, kKanaCellPixels),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdU16String(character));
        }
    }
}

void KanaGridView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const std::optional<KanaCell> cell = KanaCellAt(at.x(), at.y()); cell && hoverHandler_) hoverHandler_(*cell);
    QWidget::mouseMoveEvent(event);
}

void KanaGridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The press marks its cell first, as the pointer moving onto it would have.
    const QPoint at = event->position().toPoint();
    if (const std::optional<KanaCell> cell = KanaCellAt(at.x(), at.y()); cell && hoverHandler_) hoverHandler_(*cell);
    if (clickHandler_) clickHandler_();
}

}  // namespace zarvo
