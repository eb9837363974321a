#include "ui/editor/editor_input.h"

#include <QAbstractSlider>
#include <QKeyEvent>

namespace zarvo {

namespace {

[[nodiscard]] EditKey EditKeyFor(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return EditKey::Left;
    case Qt::Key_Right:
        return EditKey::Right;
    case Qt::Key_Up:
        return EditKey::Up;
    case Qt::Key_Down:
        return EditKey::Down;
    case Qt::Key_PageUp:
        return EditKey::PageUp;
    case Qt::Key_PageDown:
        return EditKey::PageDown;
    case Qt::Key_Home:
        return EditKey::Home;
    case Qt::Key_End:
        return EditKey::End;
    case Qt::Key_Backspace:
        return EditKey::Backspace;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return EditKey::Modifier;
    default:
        return EditKey::Other;
    }
}

[[nodiscard]] bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

}  // namespace

bool IsInputModeKey(const QKeyEvent& event) { return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab; }

KeyStroke StrokeFor(const QKeyEvent& event)
{
    KeyStroke stroke;
    stroke.key = EditKeyFor(event.key());
    // Qt's codes of letters and digits are their upper-case characters, as the
    // logic expects; keypad digits come as digits. Other keys keep Qt's code,
    // which is no character the logic looks for.
    stroke.code = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    stroke.modifiers.shift = modifiers.testFlag(Qt::ShiftModifier);
    stroke.modifiers.ctrl = modifiers.testFlag(Qt::ControlModifier);
    stroke.modifiers.alt = modifiers.testFlag(Qt::AltModifier);
    return stroke;
}

std::vector<std::string> TypedCharacters(const QKeyEvent& event, const Cp932Codec& codec)
{
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & commandKeys) return {};
    return TypedCharacters(event.text(), codec);
}

std::vector<std::string> TypedCharacters(const QString& text, const Cp932Codec& codec)
{
    std::vector<std::string> characters;
    for (const char32_t c : text.toUcs4()) {
        if (IsControlCharacter(c)) continue;
        if (c <= 0xFF) {
            characters.emplace_back(1, static_cast<char>(c));
            continue;
        }
        const std::u16string utf16 = QString::fromUcs4(&c, 1).toStdU16String();
        std::string bytes = codec.encode(utf16);
        if (!bytes.empty()) characters.push_back(std::move(bytes));
    }
    return characters;
}

std::optional<ScrollAction> ScrollActionFor(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollAction::LineDown;
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollAction::LineUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollAction::PageDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollAction::PageUp;
    case QAbstractSlider::SliderToMinimum:
        return ScrollAction::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollAction::Bottom;
    case QAbstractSlider::SliderMove:
        return ScrollAction::ThumbTrack;
    default:
        return std::nullopt;
    }
}

}  // namespace zarvo
