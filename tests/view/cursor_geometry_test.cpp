#include "view/cursor_geometry.h"

#include "view/key_editing.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

struct Placement {
    int32_t offset;
    int32_t bytesPerRow;
    int32_t pageBytes;
    int expectedRow;
    int expectedColumn;
    int32_t expectedTop;
};

TEST(PlaceCursor, PutsTheTargetOnItsOwnRowWithinThePageElseOnRowModulo16CappedToThePage)
{
    const Placement cases[] = {
        {0x40, 16, 320, 4, 0, 0},       // row 4 lies within 20 rows
        {0x150, 16, 320, 5, 0, 0x100},  // row 21 does not: 21 mod 16
        {0x155, 16, 320, 5, 5, 0x100},
        {0x13F, 16, 320, 19, 15, 0},                  // the last row of the page
        {0x1000, 16, 64, 0, 0, 0x1000},               // row 256 truncates to 0 in the 8-bit field
        {0x7F0, 16, 320, 15, 0, 0x700},               // row 127 outside the page: 127 mod 16
        {0x800, 16, 2048, 0, 0, 0x800},               // row 128 truncates to -128: row 128 mod 16
        {29 * 16 + 3, 16, 128, 7, 3, (29 - 7) * 16},  // 8 rows a page: 29 mod 16 = 13 is capped at the last row
        {100, 16, 0, 0, 4, 96},                       // never divides by an empty page
    };
    for (const auto& c : cases) {
        DocRecord doc;
        const int32_t top = CursorGeometry(c.bytesPerRow, c.pageBytes).PlaceCursor(doc, c.offset);
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(doc.cursorOffset, c.offset);
        EXPECT_EQ(doc.cursorRow, c.expectedRow);
        EXPECT_EQ(doc.cursorColumn, c.expectedColumn);
        EXPECT_EQ(top, c.expectedTop);
    }
}

struct Jump {
    int32_t viewSize;
    int32_t bytesPerRow;
    int32_t rows;
    int32_t target;
};

// A jump (goto, search hit, compare line) places the cursor and the paint then
// keeps the page inside the document: the cursor must still be on the target.
TEST(PageClamp, JumpOntoTheLastPageKeepsTheCursorOnTheTarget)
{
    const Jump jumps[] = {
        {0x20000, 16, 20, 0x1FFFF},  // the last byte
        {0x20000, 16, 20, 0x1FF40},  // the first byte of the last page
        {0x20000, 11, 20, 0x1FFFF},  // a page that does not end on a row boundary
        {0x20000, 11, 20, 0x1FF80}, {65535, 18, 7, 65534},
        {0x20000, 16, 20, 0x150},  // nowhere near the end: nothing to pull back
    };
    for (const auto& jump : jumps) {
        SCOPED_TRACE(jump.target);
        DocRecord doc;
        doc.viewSize = jump.viewSize;
        ViewState view;
        view.bytesPerRow = jump.bytesPerRow;
        view.pageBytes = jump.rows * jump.bytesPerRow;
        doc.topOffset = CursorGeometry(view.bytesPerRow, view.pageBytes).PlaceCursorOnPage(doc, jump.target);
        CursorGeometry(view).SettleFullPaint(doc);  // the paint that follows changes nothing
        EXPECT_EQ(doc.cursorOffset, jump.target);
        EXPECT_LE(doc.topOffset + view.pageBytes, jump.viewSize);
        EXPECT_GE(doc.topOffset, 0);
        EXPECT_LT(doc.cursorRow, jump.rows);
        EXPECT_LT(doc.cursorColumn, jump.bytesPerRow);
    }
}

// Down on the last row of the last page the page cannot follow; nor up on row 0 of the
// first page: the cursor stays on its row.
TEST(PageClamp, ScrollingPastEitherEndKeepsTheCursorRow)
{
    const struct {
        int32_t top;
        int row;
        int32_t settledTop;
    } cases[] = {{0x1000 - 320 + 16, 19, 0x1000 - 320}, {-16, 0, 0}};
    for (const auto& c : cases) {
        DocRecord doc;
        doc.viewSize = 0x1000;
        doc.topOffset = c.top;
        doc.cursorRow = static_cast<int8_t>(c.row);
        doc.cursorColumn = 3;
        CursorGeometry(16, 320).SettleFullPaint(doc);
        EXPECT_EQ(doc.topOffset, c.settledTop);
        EXPECT_EQ(doc.cursorRow, c.row);
        EXPECT_EQ(doc.cursorOffset, c.settledTop + c.row * 16 + 3);
    }
}

}  // namespace
}  // namespace zarvo
