#include "view/scroll_mapping.h"

#include "view/edit_harness.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::Editor;

struct ScrollCase {
    ScrollAction action;
    int32_t top;
    int row;
    int column;
};

// From top 0x40, cursor on row 3, column 5 of a 4-row page over 256 bytes.
TEST(ScrollBar, ActionsMoveAsTheirKeys)
{
    const ScrollCase cases[] = {
        {ScrollAction::LineUp, 0x40, 2, 5},        {ScrollAction::LineDown, 0x50, 3, 5},
        {ScrollAction::PageUp, 0x00, 3, 5},        {ScrollAction::PageDown, 0x80, 3, 5},
        {ScrollAction::Top, 0x40, 3, 0},      // as Home: the cursor goes to column 0
        {ScrollAction::Bottom, 0x40, 3, 15},  // as End
        {ScrollAction::ThumbPosition, 0x40, 3, 5}, {ScrollAction::EndScroll, 0x40, 3, 5},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.action));
        Editor editor;
        editor.at(0x40, 3, 5);
        (void)Scroll(editor.doc, editor.session, editor.clientHeight, c.action, 0x99);
        EXPECT_EQ(editor.doc.topOffset, c.top);
        EXPECT_EQ(editor.doc.cursorRow, c.row);
        EXPECT_EQ(editor.doc.cursorColumn, c.column);
    }
}

TEST(ScrollBar, DraggingTheThumbPutsTheCursorOnThatOffset)
{
    Editor editor(65535, 20);
    editor.doc.nibblePending = true;
    const EditResult result = Scroll(editor.doc, editor.session, editor.clientHeight, ScrollAction::ThumbTrack, 0x150);
    EXPECT_EQ(editor.doc.topOffset, 0x100);
    EXPECT_EQ(editor.doc.cursorRow, 5);
    EXPECT_EQ(editor.doc.cursorOffset, 0x150);
    EXPECT_EQ(result.repaint, Repaint::Full);
    EXPECT_FALSE(editor.doc.nibblePending);

    // The thumb's far end: the page ends with the document and the cursor stays inside.
    (void)Scroll(editor.doc, editor.session, editor.clientHeight, ScrollAction::ThumbTrack, 65535);
    EXPECT_EQ(editor.doc.topOffset, 65535 - 320);
    EXPECT_LT(editor.doc.cursorOffset, 65535);
}

}  // namespace
}  // namespace zarvo
