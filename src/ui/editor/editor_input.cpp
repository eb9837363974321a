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

// A character as the table's encoding writes it: Latin-1 up to U+00FF, else Shift-JIS
// (empty when it has no code there).
[[nodiscard]] std::string EncodedCharacter(char32_t c, const Cp932Codec& codec)
{
    if (c <= 0xFF) return std::string(1, static_cast<char>(c));
    return codec.encode(QString::fromUcs4(&c, 1).toStdU16String());
}

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
        std::string bytes = EncodedCharacter(c, codec);
        if (!bytes.empty()) characters.push_back(std::move(bytes));
    }
    return characters;
}

std::optional<ClipboardKey> ClipboardKeyFor(const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Insert) return std::nullopt;
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ControlModifier) return ClipboardKey::CopyHex;
    if (held == (Qt::ControlModifier | Qt::ShiftModifier)) return ClipboardKey::CopyTableText;
    if (held == Qt::ShiftModifier) return ClipboardKey::Paste;
    return std::nullopt;
}

std::string PastedHexText(const QString& text)
{
    constexpr char kNoDigit = '\x01';
    std::string bytes;
    const auto characters = text.toUcs4();
    bytes.reserve(static_cast<std::size_t>(characters.size()));
    for (const char32_t c : characters) bytes += c <= 0xFF ? static_cast<char>(c) : kNoDigit;
    return bytes;
}

std::vector<std::string> PastedCharacters(const QString& text, const Cp932Codec& codec)
{
    std::vector<std::string> characters;
    for (const char32_t c : text.toUcs4()) characters.push_back(EncodedCharacter(c, codec));
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
