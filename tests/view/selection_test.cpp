#include "view/selection.h"

#include "view/edit_harness.h"
#include "view/mouse_placement.h"
#include "view/selection_keys.h"

#include <gtest/gtest.h>
#include <optional>

namespace zarvo {
namespace {

using testing::Editor;

constexpr ByteRange kNone{-1, -1};

ByteRange Selected(const DocRecord& doc) { return SelectedRange(doc).value_or(kNone); }

// 8 pixels a character: the hexadecimal cells start at 94 and are 24 pixels wide with
// their blank, so column c is under x = 98 + 24c; rows are 16 pixels high.
class FixedPitch : public TextMeasure {
public:
    [[nodiscard]] int width(std::string_view text, bool) const override { return static_cast<int>(text.size()) * 8; }
};

struct KeyCase {
    const char* name;
    int top, row, column;
    const char* strokes;
    ByteRange selected;
    int32_t cursor;
};

// 256 bytes, 16 a row, a window and a page of 4 rows.
TEST(SelectingKeys, ShiftWithAMovingKeyStretchesTheSelectionFromItsAnchor)
{
    const KeyCase cases[] = {
        {"shift+right twice", 0, 0, 0, "+Right +Right", {0, 2}, 2},
        {"back over the anchor", 0, 0, 5, "+Right +Left +Left", {4, 5}, 4},
        {"shift+down", 0, 1, 5, "+Down", {21, 37}, 37},
        {"shift+end, then shift+home", 0, 1, 5, "+End +Home", {16, 21}, 16},
        {"shift+page down", 0, 1, 0, "+PgDn", {16, 80}, 80},
        {"ctrl+shift+end", 0, 1, 2, "^+End", {18, 210}, 210},
        {"shift+up at offset 0 selects the cursor byte", 0, 0, 0, "+Up", {0, 0}, 0},
        {"shift alone keeps it", 0, 0, 0, "+Right Shift", {0, 1}, 1},
        {"a repaint keeps it", 0, 0, 0, "+Right Repaint", {0, 1}, 1},
        {"ctrl+right widens the rows and keeps it", 0, 0, 0, "+Right ^Right", {0, 1}, 1},
        {"a move without shift ends it", 0, 0, 0, "+Right Right", kNone, 2},
        {"backspace ends it", 0, 0, 0, "+Right Bksp", kNone, 0},
        {"another key ends it", 0, 0, 0, "+Right F12", kNone, 1},
        {"typing ends it", 0, 0, 0, "+Right 4", kNone, 1},
        {"a new one begins where the cursor is", 0, 0, 0, "+Right Right +Right", {2, 3}, 3},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor;
        editor.selecting = true;
        editor.at(c.top, c.row, c.column);
        editor.run(c.strokes);
        EXPECT_EQ(Selected(editor.doc), c.selected);
        EXPECT_EQ(editor.doc.cursorOffset, c.cursor);
    }
}

TEST(SelectingKeys, AChangedSelectionRepaintsTheWholeWindow)
{
    Editor editor;
    editor.selecting = true;
    EXPECT_EQ(editor.run("+Right").repaint, Repaint::Full);
    EXPECT_EQ(editor.run("Right").repaint, Repaint::Full) << "the selection ended";
    EXPECT_EQ(editor.run("Right").repaint, Repaint::Rows);
}

TEST(Selection, ClicksAndTypingEndItAndItStaysInsideTheData)
{
    Editor editor;
    Select(editor.doc, 250, 300);
    EXPECT_EQ(Selected(editor.doc), (ByteRange{250, 255}));
    Select(editor.doc, 300, 400);
    EXPECT_EQ(Selected(editor.doc), kNone);

    // A drag leaves the cursor outside its selection: Shift+Right begins a new one there.
    Select(editor.doc, 3, 9);
    editor.selecting = true;
    editor.run("+Right");
    EXPECT_EQ(Selected(editor.doc), (ByteRange{0, 1}));

    Select(editor.doc, 3, 9);
    (void)Click(editor.doc, editor.session, editor.clientHeight, FixedPitch());
    EXPECT_EQ(Selected(editor.doc), kNone);
    Select(editor.doc, 3, 9);
    editor.doc.textMode = true;
    // A character without a table entry writes nothing, yet ends the selection.
    EXPECT_EQ(KeyPress(editor.doc, editor.session, editor.clientHeight, "Q").repaint, Repaint::Full);
    EXPECT_EQ(Selected(editor.doc), kNone);
}

TEST(Selection, StatusTextNamesSizeAndRange)
{
    EXPECT_EQ(SelectionStatusText({5, 5}), "Selected: 1 byte [00000005-00000005]");
    EXPECT_EQ(SelectionStatusText({0x1230, 0x123F}), "Selected: 16 bytes [00001230-0000123F]");
}

struct DragCase {
    const char* name;
    int pressX, pressY;
    int toX, toY;
    ByteRange selected;
};

// 250 bytes; the window shows 5 rows over a page of 4.
TEST(MouseDrag, SelectsFromThePressedByteToTheByteUnderThePointer)
{
    const DragCase cases[] = {
        {"within the pressed byte", 98, 20, 110, 20, kNone},
        {"to a later row", 146, 20, 218, 36, {18, 37}},
        {"backwards", 218, 36, 122, 4, {1, 37}},
        {"right of the cells: the last column", 146, 20, 600, 20, {18, 31}},
        {"left of the cells: the first column", 146, 20, 20, 36, {18, 32}},
        {"below the window: the last row", 146, 20, 146, 200, {18, 66}},
        {"above the window: the first row", 146, 20, 146, -5, {2, 18}},
        {"pressed on the offset column", 30, 20, 218, 36, kNone},
        {"pressed on the text column", 600, 20, 218, 36, kNone},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor(250, 5, 4);
        editor.at(0, 0, 7);
        editor.doc.nibblePending = true;
        MouseRecord& mouse = editor.session.mouse;
        RecordMouseMove(mouse, c.pressX, c.pressY, 16);
        MouseDrag drag = PressForDrag(editor.doc, editor.session, editor.clientHeight, FixedPitch());
        RecordMouseMove(mouse, c.toX, c.toY, 16);
        const EditResult result = DragTo(editor.doc, editor.session, editor.clientHeight, FixedPitch(), drag);
        EXPECT_EQ(Selected(editor.doc), c.selected);
        EXPECT_EQ(result.repaint, c.selected == kNone ? Repaint::Nothing : Repaint::Full);
        EXPECT_EQ(editor.doc.cursorOffset, 7) << "a drag leaves the cursor";
        EXPECT_TRUE(editor.doc.nibblePending);
    }
}

TEST(MouseDrag, NeverSelectsPastTheData)
{
    Editor editor(250, 5, 4);
    editor.at(186, 0, 0);  // row 4 starts at 250, past the data
    MouseRecord& mouse = editor.session.mouse;
    RecordMouseMove(mouse, 146, 68, 16);
    EXPECT_FALSE(PressForDrag(editor.doc, editor.session, editor.clientHeight, FixedPitch()).pressed);
    RecordMouseMove(mouse, 146, 52, 16);  // row 3, column 2: byte 236
    MouseDrag drag = PressForDrag(editor.doc, editor.session, editor.clientHeight, FixedPitch());
    RecordMouseMove(mouse, 218, 68, 16);
    (void)DragTo(editor.doc, editor.session, editor.clientHeight, FixedPitch(), drag);
    EXPECT_EQ(Selected(editor.doc), (ByteRange{236, 249}));
}

}  // namespace
}  // namespace zarvo
