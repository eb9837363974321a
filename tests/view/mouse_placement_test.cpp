#include "view/mouse_placement.h"

#include "view/edit_harness.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::Editor;
using testing::FixedPitch;

// The digit 1 is 2 pixels wide, every other character 8.
class NarrowOnes : public TextMeasure {
public:
    [[nodiscard]] int width(std::string_view text, bool) const override
    {
        int pixels = 0;
        for (char c : text) pixels += c == '1' ? 2 : 8;
        return pixels;
    }
};

struct ClickCase {
    int x;
    int y;
    bool spaced;
    int row;     // cursor row afterwards
    int column;  // cursor column afterwards
};

// The cells are those the row is drawn with: they start at the 14-pixel margin plus
// the offset and its gap (14 + 64 + 16 = 94); a spaced cell is 24 pixels with its
// blank, else 16. The cursor starts on row 1, column 7; the window shows 4 rows of
// 16 pixels.
TEST(MouseClick, PicksTheCellDrawnUnderThePointer)
{
    const ClickCase cases[] = {
        {100, 40, true, 2, 0},  // inside the first cell
        {10, 40, true, 2, 0},   // left of the cells
        {117, 40, true, 2, 0},  // on the first cell's blank
        {118, 40, true, 2, 1},
        {94 + 24 * 16 - 1, 0, true, 0, 15},
        {94 + 24 * 16, 0, true, 0, 7},  // right of the last cell: the column stays
        {600, 63, true, 3, 14},         // the text column: its cells start at 486, 8 pixels each
        {485, 63, true, 3, 7},          // between the columns: the column stays
        {614, 63, true, 3, 7},          // right of the text
        {109, 20, false, 1, 0},
        {110, 20, false, 1, 1},
        {94 + 16 * 3 + 13, 20, false, 1, 3},  // the right half of a byte is that byte
        {94 + 16 * 16, 20, false, 1, 7},
        {118, 64, true, 1, 1},  // below the shown rows: the row stays
        {118, -3, true, 1, 1},  // above the window
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " y " << c.y << (c.spaced ? " spaced" : ""));
        Editor editor;
        editor.session.settings.spacedHex = c.spaced;
        editor.at(16, 1, 7);
        RecordMouseMove(editor.session.mouse, c.x, c.y, editor.session.view.rowHeight);
        const EditResult result = Click(editor.doc, editor.session, editor.clientHeight, FixedPitch());
        EXPECT_EQ(editor.doc.cursorRow, c.row);
        EXPECT_EQ(editor.doc.cursorColumn, c.column);
        EXPECT_EQ(editor.doc.cursorOffset, 16 + c.row * 16 + c.column);
        EXPECT_EQ(result.repaint, Repaint::Full);
    }
}

TEST(MouseClick, MeasuresTheRowClickedOn)
{
    Editor editor;
    editor.session.settings.spacedHex = false;
    // Row 1 shows offset 00000010 (58 pixels, cells from 88) and 11 11 ..: 4-pixel cells.
    for (int i = 16; i < 32; ++i) editor.byte(i) = 0x11;
    RecordMouseMove(editor.session.mouse, 88 + 4 * 5 + 1, 16, 16);
    (void)Click(editor.doc, editor.session, editor.clientHeight, NarrowOnes());
    EXPECT_EQ(editor.doc.cursorRow, 1);
    EXPECT_EQ(editor.doc.cursorColumn, 5);
    // The same x on row 0 (cells from 94, 00 00 ..: 16 pixels) is in column 0.
    RecordMouseMove(editor.session.mouse, 88 + 4 * 5 + 1, 0, 16);
    (void)Click(editor.doc, editor.session, editor.clientHeight, NarrowOnes());
    EXPECT_EQ(editor.doc.cursorRow, 0);
    EXPECT_EQ(editor.doc.cursorColumn, 0);
}

}  // namespace
}  // namespace zarvo
