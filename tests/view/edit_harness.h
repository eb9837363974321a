#pragma once
// A small document in an editor window, driven with key strokes written as words:
// "4 1" types two characters, "Right", "^Right" (Ctrl), "+Right" (Shift) and
// "^+End" (both) press keys, "Tab" switches the input mode. With `selecting` the keys
// go through the window's selecting key handling.

#include "core/document.h"
#include "core/session.h"
#include "view/cursor_geometry.h"
#include "view/key_editing.h"
#include "view/row_layout.h"
#include "view/selection_keys.h"
#include "view/text_input.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>

namespace zarvo::testing {

// 8 pixels a character; through the kana font 16.
class FixedPitch : public TextMeasure {
public:
    [[nodiscard]] int width(std::string_view text, bool unicode) const override
    {
        return static_cast<int>(text.size()) * (unicode ? 16 : 8);
    }
};

struct Editor {
    // Rows of 16 bytes and 16 pixels; the window shows `rows` rows, the page holds `pageRows`.
    explicit Editor(int32_t size = 256, int32_t rows = 4, int32_t pageRows = -1) : clientHeight(rows * 16)
    {
        doc.storage = DocumentBytes::Owned(static_cast<std::size_t>(size));
        doc.viewSize = size;
        doc.fileSize = size;
        session.view.bytesPerRow = 16;
        session.view.rowHeight = 16;
        session.view.pageBytes = (pageRows < 0 ? rows : pageRows) * 16;
        session.settings.autoSizeRows = false;
    }

    // Puts the view on top and the cursor on (row, column) of the page.
    void at(int32_t top, int row, int column)
    {
        doc.topOffset = top;
        doc.cursorRow = static_cast<int8_t>(row);
        doc.cursorColumn = static_cast<int8_t>(column);
        CursorGeometry(session.view).SettleCursorOffset(doc);
    }

    // A typed character reaches the window as a key down and then a key press.
    EditResult type(char c)
    {
        const int code = std::toupper(static_cast<unsigned char>(c));
        (void)press(KeyStroke{EditKey::Other, code, {}});
        return KeyPress(doc, session, clientHeight, std::string(1, c));
    }

    // Runs blank-separated strokes; returns the result of the last one.
    EditResult run(const std::string& strokes)
    {
        const std::map<std::string, EditKey> keys = {
            {"Left", EditKey::Left},      {"Right", EditKey::Right}, {"Up", EditKey::Up},
            {"Down", EditKey::Down},      {"PgUp", EditKey::PageUp}, {"PgDn", EditKey::PageDown},
            {"Home", EditKey::Home},      {"End", EditKey::End},     {"Bksp", EditKey::Backspace},
            {"Shift", EditKey::Modifier}, {"F12", EditKey::Other},   {"Repaint", EditKey::RepaintRequest},
        };
        std::istringstream words(strokes);
        std::string word;
        EditResult last;
        while (words >> word) {
            if (word.size() == 1) {
                last = type(word[0]);
            } else if (word == "Tab") {
                last = ToggleInputMode(doc, session.view);
            } else {
                KeyModifiers modifiers;
                for (; word[0] == '+' || word[0] == '^'; word.erase(0, 1)) {
                    (word[0] == '+' ? modifiers.shift : modifiers.ctrl) = true;
                }
                last = press(KeyStroke{keys.at(word), 0, modifiers});
            }
        }
        return last;
    }

    EditResult press(const KeyStroke& stroke)
    {
        return selecting ? SelectingKeyDown(doc, session, clientHeight, stroke)
                         : KeyDown(doc, session, clientHeight, stroke);
    }

    [[nodiscard]] uint8_t& byte(int32_t offset) { return doc.data()[offset]; }

    bool selecting = false;
    Session session;
    DocRecord doc;
    int32_t clientHeight;
};

}  // namespace zarvo::testing
