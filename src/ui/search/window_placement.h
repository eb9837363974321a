#pragma once
// The search windows open centred on the screen their parent is on.

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zarvo {

inline void CentreOnScreen(QWidget& window)
{
    const QWidget* parent = window.parentWidget();
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    window.move(available.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace zarvo
