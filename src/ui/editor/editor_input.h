#pragma once
// Qt's keyboard and scroll-bar events in the terms of the editing logic: the key a
// key press stands for, the characters it types, and the scroll action a slider
// action stands for.

#include "core/cp932.h"
#include "view/key_editing.h"
#include "view/scroll_mapping.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QKeyEvent;

namespace zarvo {

// Tab and Shift+Tab (with or without Alt) switch input modes through the frame's
// menu; they never reach KeyDown, never type and never move the focus.
[[nodiscard]] bool IsInputModeKey(const QKeyEvent& event);

// The key as KeyDown knows it; letters and digits keep their character as code.
[[nodiscard]] KeyStroke StrokeFor(const QKeyEvent& event);

// The characters a key press types, each as its bytes in the table encoding:
// Latin-1 up to U+00FF, Shift-JIS above (a character without a code is dropped).
// Control characters, and keys pressed with Ctrl, Alt or Meta, type nothing.
[[nodiscard]] std::vector<std::string> TypedCharacters(const QKeyEvent& event, const Cp932Codec& codec);
[[nodiscard]] std::vector<std::string> TypedCharacters(const QString& text, const Cp932Codec& codec);

// The clipboard's keys: Ctrl+Insert copies hexadecimal text (table text in text
// input), Ctrl+Shift+Insert table text, Shift+Insert pastes (the keypad's Insert too).
// Ctrl+C stays Compare Files.
enum class ClipboardKey { CopyHex, CopyTableText, Paste };
[[nodiscard]] std::optional<ClipboardKey> ClipboardKeyFor(const QKeyEvent& event);

// Clipboard text for a hexadecimal paste: one byte a character, a character above
// U+00FF standing as a byte that is no digit, blank or line end.
[[nodiscard]] std::string PastedHexText(const QString& text);
// Clipboard text for a table paste: one string a character, as TypedCharacters makes
// them but keeping control characters, and empty for a character without a code.
[[nodiscard]] std::vector<std::string> PastedCharacters(const QString& text, const Cp932Codec& codec);

// QAbstractSlider::SliderAction to the scroll bar's action; none for SliderNoAction.
[[nodiscard]] std::optional<ScrollAction> ScrollActionFor(int sliderAction);

}  // namespace zarvo
