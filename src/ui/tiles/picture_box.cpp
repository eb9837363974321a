#include "ui/tiles/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace zarvo {

PictureBox::PictureBox(const char* objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    // Keys belong to the tile window; the boxes never take the focus.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture, std::optional<QRect> drawnArea)
{
    picture_ = picture;
    drawnArea_ = drawnArea;
    update();
}

void PictureBox::setOutline(std::optional<QRect> outline)
{
    if (outline == outline_) return;
    outline_ = outline;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!picture_.isNull()) painter.drawImage(drawnArea_.value_or(rect()), picture_);
    if (outline_ && !outline_->isEmpty()) {
        painter.setPen(Qt::white);
        // A pen of one pixel draws on and right of / below the rectangle's edges.
        painter.drawRect(outline_->adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed(event->position().toPoint(), event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved(event->position().toPoint(), event->buttons());
}

}  // namespace zarvo
