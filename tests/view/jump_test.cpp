#include "view/jump.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

// Every jump lands as the hex view's PlaceCursor rule says, or, while the tile editor
// shows its sheet, starts the sheet at the offset itself, the cursor on it.
TEST(JumpTo, HexViewPlacesTheCursorAndTheSheetStartsAtTheOffset)
{
    const struct {
        bool sheetShown;
        int32_t target;
        int32_t top;
        int32_t cursor;
    } cases[] = {
        {false, 0x150, 0x100, 0x150},                   // row 21 of 20: shown on row 21 mod 16
        {false, 0x40, 0, 0x40},                         // row 4 lies within the page
        {false, 0x1FFFF, 0x20000 - 16 * 20, 0x1FFFF},  // the last byte: the page stays inside
        {true, 0x150, 0x150, 0x150},
        {true, 0x1FFFF, 0x1FFFF, 0x1FFFF},  // the sheet's own clamp acts when it is drawn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        Session session;
        session.view.pageBytes = 16 * 20;
        session.tiles.editorOn = c.sheetShown;
        DocRecord doc;
        doc.viewSize = 0x20000;
        doc.cursorRow = 3;
        JumpTo(doc, session, c.target);
        EXPECT_EQ(doc.topOffset, c.top);
        EXPECT_EQ(doc.cursorOffset, c.cursor);
        EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, c.cursor);
    }
}

}  // namespace
}  // namespace zarvo
