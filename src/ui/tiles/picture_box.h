#pragma once
// A box of the tile window: shows one bitmap stretched over its drawn area, with an
// optional one-pixel white outline, and reports the pointer in its own pixels.

#include <QImage>
#include <QRect>
#include <QWidget>

#include <optional>

namespace zarvo {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const char* objectName, QWidget* parent = nullptr);

    // The picture and the part of the box it covers (the whole box by default); the
    // rest of the box stays black.
    void setPicture(const QImage& picture, std::optional<QRect> drawnArea = std::nullopt);
    // The white outline, in box pixels; nothing hides it.
    void setOutline(std::optional<QRect> outline);
    [[nodiscard]] const QImage& picture() const { return picture_; }
    [[nodiscard]] std::optional<QRect> outline() const { return outline_; }

signals:
    void pressed(QPoint position, Qt::MouseButton button);
    // A move, with the buttons held at that moment.
    void moved(QPoint position, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    std::optional<QRect> drawnArea_;
    std::optional<QRect> outline_;
};

}  // namespace zarvo
