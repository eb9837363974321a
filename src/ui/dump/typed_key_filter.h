#pragma once
// The character filters of the dialogs' edit boxes. A typed character goes through a
// logic filter that drops it or gives the character to enter (digits in upper case);
// keys that type nothing (arrows, Home, Delete), control characters such as
// Backspace, and shortcuts (Ctrl+V pastes unfiltered) reach the box as usual.

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace zarvo {

// The character to enter for a typed one, or 0 to drop it.
using CharacterFilter = std::function<char(char)>;

// True when the key was settled here (dropped, or its filtered character entered);
// false when the box takes it as usual.
[[nodiscard]] bool FilterTypedKey(QLineEdit& box, const QKeyEvent& event, const CharacterFilter& filter);

// True when the key types a character (which a list box would use to search).
[[nodiscard]] bool TypesCharacter(const QKeyEvent& event);

}  // namespace zarvo
