#include "ui/common/grid_marker.h"

#include "core/shift_jis_grid.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace zarvo {

namespace {

const QColor kMarkerColour(0x00, 0x60, 0xD0);

}  // namespace

GridMarker::GridMarker(QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("ClickMe"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    resize(kGridCellPixels + 1, kGridCellPixels + 1);
}

void GridMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(kMarkerColour, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace zarvo
