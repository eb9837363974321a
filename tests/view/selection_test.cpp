#include "view/selection.h"

#include "support/document_builder.h"
#include "view/edit_harness.h"
#include "view/mouse_placement.h"

#include <gtest/gtest.h>
#include <tuple>

namespace zarvo {
namespace {

using testing::Editor;
using testing::FixedPitch;

constexpr ByteRange kNone{-1, -1};

ByteRange Selected(const DocRecord& doc) { return SelectedRange(doc).value_or(kNone); }

// 256 bytes, 16 a row, 4 rows; the cursor starts on byte `from` of the first page.
TEST(SelectingKeys, ShiftWithAMovingKeyStretchesTheSelectionFromItsAnchor)
{
    const std::tuple<int, const char*, ByteRange, int32_t> cases[] = {
        {0, "+Right +Right", {0, 2}, 2},
        {5, "+Right +Left +Left", {4, 5}, 4},  // back over the anchor
        {21, "+Down +Home", {21, 32}, 32},
        {16, "+PgDn", {16, 80}, 80},
        {18, "^+End", {18, 210}, 210},
        {0, "+Right Shift Repaint ^Right", {0, 1}, 1},  // a modifier, a repaint, a row width
        {0, "+Right Right", kNone, 2},
        {0, "+Right Bksp", kNone, 0},           // as every other key
        {0, "+Right 4", kNone, 1},              // typing
        {0, "+Right Right +Right", {2, 3}, 3},  // a new one begins at the cursor
    };
    for (const auto& [from, strokes, selected, cursor] : cases) {
        SCOPED_TRACE(strokes);
        Editor editor;
        editor.selecting = true;
        editor.at(0, from / 16, from % 16);
        editor.run(strokes);
        EXPECT_EQ(Selected(editor.doc), selected);
        EXPECT_EQ(editor.doc.cursorOffset, cursor);
    }
}

TEST(Selection, RepaintsWhenItChangesEndsOnClicksAndTypingAndStaysInsideTheData)
{
    Editor editor;
    editor.selecting = true;
    EXPECT_EQ(editor.run("+Right").repaint, Repaint::Full);
    EXPECT_EQ(editor.run("Right").repaint, Repaint::Full) << "the selection ended";
    EXPECT_EQ(editor.run("Right").repaint, Repaint::Rows);
    // A drag leaves the cursor outside its selection: Shift+Right begins a new one there.
    Select(editor.doc, 7, 9);
    editor.run("+Right");
    EXPECT_EQ(Selected(editor.doc), (ByteRange{3, 4}));

    (void)Click(editor.doc, editor.session, editor.clientHeight, FixedPitch());
    EXPECT_EQ(Selected(editor.doc), kNone);
    Select(editor.doc, 3, 9);
    editor.doc.textMode = true;
    // A character without a table entry writes nothing, yet ends the selection.
    EXPECT_EQ(KeyPress(editor.doc, editor.session, editor.clientHeight, "Q").repaint, Repaint::Full);
    EXPECT_EQ(Selected(editor.doc), kNone);

    Select(editor.doc, 250, 300);
    EXPECT_EQ(Selected(editor.doc), (ByteRange{250, 255}));
    EXPECT_EQ(SelectionStatusText({5, 5}), "Selected: 1 byte [00000005-00000005]");
    EXPECT_EQ(SelectionStatusText({0x1230, 0x123F}), "Selected: 16 bytes [00001230-0000123F]");
}

// 250 bytes from offset 186 on: the window shows 5 rows (the last one past the data)
// over a page of 4; row r, column c is byte 186 + 16r + c. At 8 pixels a character the
// hexadecimal cells start at x 94 and are 24 pixels wide with their blank (column c lies
// under x 98 + 24c), the text cells at x 486, 8 pixels wide (column c under x 490 + 8c);
// rows are 16 pixels high. With the pair entry 81 40 ("you", 24 pixels) in columns 4 and
// 5 of row 1, its text cells are . . . . you . .. at x 486, 494, 502, 510, 518 (to 542), 542.
Editor DragView(bool pair)
{
    Editor editor(250, 5, 4);
    if (pair) {
        editor.doc.table = testing::TableFrom("8140=you\n");
        editor.byte(206) = 0x81;
        editor.byte(207) = 0x40;
    }
    editor.at(186, 0, 7);
    return editor;
}

TEST(MouseDrag, SelectsFromThePressedByteToTheByteUnderThePointer)
{
    const struct {
        bool pair;
        int pressX, pressY, toX, toY;
        ByteRange selected;
    } cases[] = {
        {false, 98, 20, 110, 20, kNone},         // within the pressed byte
        {false, 146, 20, 218, 36, {204, 223}},   // to a later row
        {false, 218, 36, 122, 4, {187, 223}},    // backwards
        {false, 146, 20, 600, 20, {204, 217}},   // right of the cells: the last column
        {false, 146, 20, 146, 200, {204, 249}},  // below the window: the last row, never past the data
        {false, 146, 20, 146, -5, {188, 204}},   // above it: the first row
        {false, 30, 20, 218, 36, kNone},         // pressed on the offset column
        {false, 146, 68, 218, 36, kNone},        // on a cell past the data
        {false, 506, 20, 530, 36, {204, 223}},   // in the text column
        {false, 530, 36, 300, 4, {186, 223}},    // from the text column left of its cells: the first column
        {false, 482, 20, 530, 36, kNone},        // pressed between the columns
        {true, 498, 20, 530, 20, {203, 207}},    // forwards onto the pair: its second byte
        {true, 550, 20, 530, 20, {206, 209}},    // backwards onto it: its first byte
        {true, 530, 20, 498, 20, {203, 206}},    // pressed on the pair: its first byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pressX << "," << c.pressY << " to " << c.toX << "," << c.toY);
        Editor editor = DragView(c.pair);
        editor.doc.nibblePending = true;
        RecordMouseMove(editor.session.mouse, c.pressX, c.pressY, 16);
        MouseDrag drag = PressForDrag(editor.doc, editor.session, editor.clientHeight, FixedPitch());
        RecordMouseMove(editor.session.mouse, c.toX, c.toY, 16);
        const EditResult result = DragTo(editor.doc, editor.session, editor.clientHeight, FixedPitch(), drag);
        EXPECT_EQ(Selected(editor.doc), c.selected);
        EXPECT_EQ(result.repaint, c.selected == kNone ? Repaint::Nothing : Repaint::Full);
        EXPECT_EQ(editor.doc.cursorOffset, 193) << "a drag leaves the cursor";
        EXPECT_TRUE(editor.doc.nibblePending);
    }
}

TEST(MouseClick, OnAPairInTheTextColumnPutsTheCursorOnItsFirstByte)
{
    Editor editor = DragView(true);
    RecordMouseMove(editor.session.mouse, 540, 20, 16);
    (void)Click(editor.doc, editor.session, editor.clientHeight, FixedPitch());
    EXPECT_EQ(editor.doc.cursorOffset, 206);
}

}  // namespace
}  // namespace zarvo
