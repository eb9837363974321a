#include "ui/tiles/tile_key_press.h"

#include <QKeyEvent>

namespace zarvo {

namespace {

[[nodiscard]] TileKey TileKeyFor(int key, bool keypad)
{
    switch (key) {
    case Qt::Key_Left:
        return TileKey::Left;
    case Qt::Key_Right:
        return TileKey::Right;
    case Qt::Key_Up:
        return TileKey::Up;
    case Qt::Key_Down:
        return TileKey::Down;
    case Qt::Key_PageUp:
        return TileKey::PageUp;
    case Qt::Key_PageDown:
        return TileKey::PageDown;
    case Qt::Key_Home:
        return TileKey::Home;
    case Qt::Key_End:
        return TileKey::End;
    case Qt::Key_Plus:
        return keypad ? TileKey::KeypadPlus : TileKey::Other;
    case Qt::Key_Minus:
        return keypad ? TileKey::KeypadMinus : TileKey::Other;
    case Qt::Key_W:
        return TileKey::RawView;
    case Qt::Key_F1:
        return TileKey::Help;
    default:
        return key >= Qt::Key_0 && key <= Qt::Key_9 ? TileKey::Digit : TileKey::Other;
    }
}

}  // namespace

TileKeyPress TileKeyPressFor(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    TileKeyPress press;
    press.key = TileKeyFor(event.key(), modifiers.testFlag(Qt::KeypadModifier));
    if (press.key == TileKey::Digit) press.digit = static_cast<char>('0' + (event.key() - Qt::Key_0));
    press.control = modifiers.testFlag(Qt::ControlModifier);
    press.shift = modifiers.testFlag(Qt::ShiftModifier);
    return press;
}

}  // namespace zarvo
