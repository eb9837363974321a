#include "ui/tables/shift_jis_grid_view.h"

#include "core/cp932.h"
#include "core/shift_jis_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace zarvo {

namespace {

constexpr int kTextInset = 6;  // the character starts this far from the cell's corner

const QColor kGridLineColour(0xA0, 0xA0, 0xA0);

}  // namespace

ShiftJisGridView::ShiftJisGridView(const Cp932Codec& codec, const QFont& gridFont, QWidget* parent)
    : QWidget(parent),
      codec_(codec),
      gridFont_(gridFont)
{
    setObjectName(QStringLiteral("jGrid"));
    setFixedSize(kGridColumns * kGridCellPixels + 1, kGridRows * kGridCellPixels + 1);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    ClickMe = new GridMarker(this);
    ClickMe->hide();
    connect(ClickMe, &QAbstractButton::clicked, this, [this] {
        if (pickHandler_) pickHandler_(markedCode_);
    });
}

QPoint ShiftJisGridView::cellOrigin(int column, int row) { return {column * kGridCellPixels, row * kGridCellPixels}; }

void ShiftJisGridView::setScrollPosition(int position)
{
    if (GridFirstCode(position) != GridFirstCode(scrollPosition_)) ClickMe->hide();
    scrollPosition_ = position;
    update();
}

void ShiftJisGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kGridLineColour);
    for (int column = 0; column <= kGridColumns; ++column) {
        const int x = column * kGridCellPixels;
        painter.drawLine(x, 0, x, kGridRows * kGridCellPixels);
    }
    for (int row = 0; row <= kGridRows; ++row) {
        const int y = row * kGridCellPixels;
        painter.drawLine(0, y, kGridColumns * kGridCellPixels, y);
    }
    painter.setPen(Qt::black);
    painter.setFont(gridFont_);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const char16_t character = GridCellCharacter(codec_, GridCellCode(scrollPosition_, column, row));
            const QPoint origin = cellOrigin(column, row) + QPoint(kTextInset, kTextInset);
            const QRect cell(origin, QSize(kGridCellPixels - kTextInset, kGridCellPixels - kTextInset));
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString(QChar(character)));
        }
    }
}

bool ShiftJisGridView::MarkCellAt(const QPoint& pos)
{
    const int column = pos.x() / kGridCellPixels;
    const int row = pos.y() / kGridCellPixels;
    if (pos.x() < 0 || pos.y() < 0 || column >= kGridColumns || row >= kGridRows) return false;
    markedCode_ = GridCellCode(scrollPosition_, column, row);
    ClickMe->move(cellOrigin(column, row));
    ClickMe->setToolTip(QString::asprintf("%04X", static_cast<unsigned>(markedCode_)));
    ClickMe->show();
    return true;
}

void ShiftJisGridView::mouseMoveEvent(QMouseEvent* event)
{
    (void)MarkCellAt(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void ShiftJisGridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && MarkCellAt(event->position().toPoint()) && pickHandler_) {
        pickHandler_(markedCode_);
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace zarvo
