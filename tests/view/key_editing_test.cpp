#include "view/key_editing.h"

#include "core/table_loader.h"
#include "view/edit_harness.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

using testing::Editor;

struct Place {
    int32_t top;
    int row;
    int column;
};

struct MoveCase {
    const char* name;
    Place start;
    const char* strokes;
    Place end;
    Repaint repaint;
    int firstRow = 0;  // for Repaint::Rows
    int secondRow = 0;
    int32_t size = 256;  // the editor: bytes, rows of the window and of the page
    int32_t rows = 4;
    int32_t pageRows = -1;
    bool autoSizeRows = false;  // the row width follows the window
};

// Unless a case says otherwise, 256 bytes, 16 per row, a window and a page of 4 rows:
// topOffset runs 0 .. 192.
TEST(KeyDown, MovesTheCursorAndRepaintsOnlyWhatChanged)
{
    const MoveCase cases[] = {
        {"right within the row", {0, 0, 0}, "Right", {0, 0, 1}, Repaint::Rows, 0, 0},
        {"right wraps to the next row", {0, 1, 15}, "Right", {0, 2, 0}, Repaint::Rows, 1, 2},
        {"right on the last cell of the page scrolls", {0, 3, 15}, "Right", {16, 3, 0}, Repaint::Full},
        {"right on the last cell of the document", {192, 3, 15}, "Right", {192, 3, 0}, Repaint::Full},
        {"shift is ignored", {0, 0, 0}, "+Right", {0, 0, 1}, Repaint::Rows, 0, 0},
        {"left within the row", {0, 2, 5}, "Left", {0, 2, 4}, Repaint::Rows, 2, 2},
        {"left wraps to the row above", {0, 2, 0}, "Left", {0, 1, 15}, Repaint::Rows, 1, 2},
        {"backspace moves as left", {0, 2, 0}, "Bksp", {0, 1, 15}, Repaint::Rows, 1, 2},
        {"left at offset 0 stays on the top row", {0, 0, 0}, "Left", {0, 0, 15}, Repaint::Full},
        {"up within the page", {0, 2, 3}, "Up", {0, 1, 3}, Repaint::Rows, 1, 2},
        {"up at offset 0", {0, 0, 0}, "Up", {0, 0, 0}, Repaint::Full},
        {"up on the top row scrolls", {32, 0, 3}, "Up", {16, 0, 3}, Repaint::Full},
        {"down within the page", {0, 1, 3}, "Down", {0, 2, 3}, Repaint::Rows, 1, 2},
        {"down on the last row scrolls", {16, 3, 3}, "Down", {32, 3, 3}, Repaint::Full},
        {"down at the end of the document", {192, 3, 3}, "Down", {192, 3, 3}, Repaint::Full},
        {"page down keeps row and column", {0, 2, 7}, "PgDn", {64, 2, 7}, Repaint::Full},
        {"page down stops at the last page", {150, 2, 7}, "PgDn", {192, 2, 7}, Repaint::Full},
        {"page up by a page", {100, 1, 1}, "PgUp", {36, 1, 1}, Repaint::Full},
        {"page up one byte from the top", {65, 1, 1}, "PgUp", {1, 1, 1}, Repaint::Full},
        {"page up from a page down", {64, 1, 1}, "PgUp", {0, 1, 1}, Repaint::Full},
        {"page up from less than a page", {10, 1, 1}, "PgUp", {0, 1, 1}, Repaint::Full},
        {"home", {16, 2, 9}, "Home", {16, 2, 0}, Repaint::Full},
        {"end", {16, 2, 9}, "End", {16, 2, 15}, Repaint::Full},
        {"a key that moves nothing", {16, 2, 9}, "F12", {16, 2, 9}, Repaint::Status},
        {"a modifier on its own", {16, 2, 9}, "Shift", {16, 2, 9}, Repaint::Nothing},
        {"repaint request", {16, 2, 9}, "Repaint", {16, 2, 9}, Repaint::Full},
        {"ctrl+page up: top row", {16, 2, 9}, "^PgUp", {16, 0, 9}, Repaint::Full},
        {"ctrl+page down: last row", {16, 1, 9}, "^PgDn", {16, 3, 9}, Repaint::Full},
        {"ctrl+home: first page", {112, 2, 9}, "^Home", {0, 2, 9}, Repaint::Full},
        {"ctrl+end: last page", {16, 2, 9}, "^End", {192, 2, 9}, Repaint::Full},
        // Rows follow the window, not the page: a window of 6 rows over a page of 4.
        {"down below the page", {0, 3, 0}, "Down", {0, 4, 0}, Repaint::Rows, 3, 4, 256, 6, 4},
        {"ctrl+page down: the window's last row", {0, 3, 0}, "^PgDn", {0, 5, 0}, Repaint::Full, 0, 0, 256, 6, 4},
        // A window taller than 128 rows: the 8-bit row field stops at 127 and scrolls instead of wrapping.
        {"ctrl+page down stops at row 127", {0, 0, 0}, "^PgDn", {0, 127, 0}, Repaint::Full, 0, 0, 65535, 300, 128},
        {"down on row 127 scrolls", {0, 127, 0}, "Down", {16, 127, 0}, Repaint::Full, 0, 0, 65535, 300, 128},
        // Ctrl+Left and Ctrl+Right change neither the row width nor the cursor while rows follow the window.
        {"ctrl+right, auto-sized rows", {0, 1, 5}, "^Right", {0, 1, 5}, Repaint::Status, 0, 0, 256, 4, -1, true},
        {"ctrl+left, auto-sized rows", {0, 1, 5}, "^Left", {0, 1, 5}, Repaint::Status, 0, 0, 256, 4, -1, true},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor(c.size, c.rows, c.pageRows);
        editor.session.settings.autoSizeRows = c.autoSizeRows;
        editor.at(c.start.top, c.start.row, c.start.column);
        const EditResult result = editor.run(c.strokes);
        EXPECT_EQ(editor.doc.topOffset, c.end.top);
        EXPECT_EQ(editor.doc.cursorRow, c.end.row);
        EXPECT_EQ(editor.doc.cursorColumn, c.end.column);
        EXPECT_EQ(editor.doc.cursorOffset, c.end.top + c.end.row * 16 + c.end.column);
        EXPECT_EQ(editor.session.view.bytesPerRow, 16);
        EXPECT_EQ(result.repaint, c.repaint);
        if (c.repaint == Repaint::Rows) {
            EXPECT_EQ(result.firstRow, c.firstRow);
            EXPECT_EQ(result.secondRow, c.secondRow);
        }
    }
}

TEST(KeyDown, CtrlLeftAndRightChangeTheRowWidthBetween1And32)
{
    Editor editor(65535, 10);
    editor.at(0x100, 2, 5);  // byte 0x125
    std::string right;
    std::string left;
    for (int i = 0; i < 20; ++i) right += "^Right ";
    for (int i = 0; i < 40; ++i) left += "^Left ";
    for (const auto& [strokes, width] : {std::pair{std::string("^Right"), 17}, {right, 32}, {left, 1}}) {
        EXPECT_EQ(editor.run(strokes).repaint, Repaint::Full);
        EXPECT_EQ(editor.session.view.bytesPerRow, width);
        EXPECT_EQ(editor.session.view.pageBytes, 10 * width);
        EXPECT_EQ(editor.doc.cursorOffset, 0x125) << "the cursor stays on its byte";
    }
}

TEST(KeyDown, CtrlUpAndDownShiftTheAsciiTable)
{
    Editor editor;
    LoadAsciiTable(editor.doc, editor.session.tables);
    editor.run("^Up");
    EXPECT_EQ(editor.doc.asciiShift, 1);
    EXPECT_EQ(*SingleTextAt(editor.doc.table, 0x41), "B");
    editor.run("^Down ^Down");
    EXPECT_EQ(editor.doc.asciiShift, -1);
    EXPECT_EQ(*SingleTextAt(editor.doc.table, 0x41), "@");

    editor.doc.asciiShift = 127;
    editor.run("^Up");
    EXPECT_EQ(editor.doc.asciiShift, -128);
    EXPECT_EQ(static_cast<uint8_t>(SingleTextAt(editor.doc.table, 0x41)->front()), 0xC1);

    // A loaded table stays as it is.
    editor.doc.table.activeTable = 0;
    editor.doc.table.singleText[0x41] = "Z";
    editor.run("^Up");
    EXPECT_EQ(editor.doc.asciiShift, -127);
    EXPECT_EQ(*SingleTextAt(editor.doc.table, 0x41), "Z");
}

}  // namespace
}  // namespace zarvo
