#pragma once
// Key-down handling of an editor window: cursor moves, scrolling and the Ctrl
// commands. Every call leaves the document as the window's next paint shows it
// and says what that paint has to cover.

#include "core/document.h"
#include "core/session.h"

#include <cstdint>

namespace zarvo {

// The keys the editing logic tells apart; everything else is Other with its key code.
enum class EditKey {
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Backspace,
    RepaintRequest,  // key code 0xFFF0: asks for a full repaint and nothing else
    Modifier,        // Shift, Ctrl, Alt, AltGr, Meta or Caps Lock pressed on its own
    Other,
};

inline constexpr int kRepaintRequestCode = 0xFFF0;

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct KeyStroke {
    EditKey key = EditKey::Other;
    int code = 0;  // for Other: the key code, a letter or digit as its character ('A', '4')
    KeyModifiers modifiers;
};

enum class Repaint {
    Nothing,  // not even the status bar
    Status,   // the five status panels only
    Rows,     // rows firstRow and secondRow (both may be the same), then the status panels
    Full,     // the whole window with its status bar
};

struct EditResult {
    Repaint repaint = Repaint::Nothing;
    int firstRow = 0;
    int secondRow = 0;
};

// Rows the window shows: client height div rowHeight, 1 .. kMaxViewRows.
[[nodiscard]] int32_t VisibleRows(const ViewState& view, int32_t clientHeight);

// One key down. Ctrl+PageUp/PageDown/Home/End/Left/Right/Up/Down are commands;
// arrows, pages, Home, End and Backspace move (Shift is ignored); a hexadecimal
// digit in hexadecimal input is left to KeyPress and keeps a half-typed byte, and so
// does a modifier pressed on its own (upper-case digits are typed with Shift held);
// every other key cancels a half-typed byte. Nothing happens without data.
[[nodiscard]] EditResult KeyDown(DocRecord& doc, Session& session, int32_t clientHeight, const KeyStroke& stroke);

}  // namespace zarvo
