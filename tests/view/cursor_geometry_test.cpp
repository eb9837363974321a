#include "view/cursor_geometry.h"

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

}  // namespace
}  // namespace zarvo
