#include "view/view_resize.h"

#include "view/edit_harness.h"

#include <gtest/gtest.h>
#include <limits>

namespace zarvo {
namespace {

using testing::Editor;

struct ResizeCase {
    ClientArea area;
    int32_t bytesPerRow;
    int32_t rows;  // pageBytes / bytesPerRow
    bool autoSized = true;
};

// The page always holds the rows that fit; the row follows the width only when auto-sized.
TEST(ResizeView, PageFollowsTheHeightAndRowTheWidthWhenAutoSized)
{
    // Rows of the view font's height (16 pixels here), bytes of the measured widths.
    const RowWidths classic;
    const RowWidths measured{91, 28};
    const ResizeCase cases[] = {
        {{640, 320, classic}, 18, 20},
        {{640, 320, measured}, 19, 20},
        {{445, 245, classic}, 11, 15},
        {{96, 160, classic}, 1, 10},
        {{40, 160, measured}, 1, 10},
        {{100000, 100000, classic}, 128, 128},  // the 8-bit cursor fields allow no more
        {{640, 10, classic}, 18, 1},
        {{640, 320, classic}, 16, 20, false},
        {{640, 40, classic}, 16, 2, false},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.area.width << " x " << c.area.height);
        Editor editor(65535, 10);
        editor.session.settings.autoSizeRows = c.autoSized;
        editor.at(0x100, 3, 4);  // byte 0x134
        const EditResult result = ResizeView(editor.doc, editor.session, c.area);
        EXPECT_EQ(editor.session.view.bytesPerRow, c.bytesPerRow);
        EXPECT_EQ(editor.session.view.pageBytes, c.rows * c.bytesPerRow);
        EXPECT_EQ(editor.doc.cursorOffset, 0x134);
        EXPECT_LT(editor.doc.cursorRow, c.rows);
        EXPECT_EQ(result.repaint, Repaint::Full);
    }
}

// A page refitted to a window keeps the cursor on its byte, and on its row while the
// byte stays on the page; a larger page at the end starts earlier.
TEST(FitViewToArea, CursorKeepsItsByteOnThePage)
{
    struct Case {
        int32_t top;
        int row;
        int32_t height;  // rows of 16 pixels
        int32_t expectedTop;
        int expectedRow;
    };
    const Case cases[] = {
        {0x1000, 3, 20, 0x1000, 3},               // taller: nothing moves
        {0x1000, 9, 5, 0x1000 + 0x90 - 0x40, 4},  // shorter: PlaceCursor's row 0x109 mod 16, at most the last
        {65536 - 160, 9, 40, 65536 - 640, 39},    // taller at the end: the page starts earlier
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "top " << c.top << " row " << c.row << " height " << c.height);
        Editor editor(65536, 10);
        editor.at(c.top, c.row, 5);
        const int32_t cursor = editor.doc.cursorOffset;
        FitViewToArea(editor.doc, editor.session, ClientArea{640, c.height * 16, RowWidths{}});
        EXPECT_EQ(editor.session.view.pageBytes, c.height * 16);
        EXPECT_EQ(editor.doc.cursorOffset, cursor);
        EXPECT_EQ(editor.doc.topOffset, c.expectedTop);
        EXPECT_EQ(editor.doc.cursorRow, c.expectedRow);
    }
}

TEST(ViewSizing, BytesPerRowFollowTheWidthBetweenOneAnd128)
{
    struct Case {
        int32_t width;
        RowWidths widths;
        int32_t bytes;
    };
    const RowWidths classic;               // 64 + 32 per byte
    const RowWidths twelvePoint{131, 48};  // a larger font: wider offset and cells
    const Case cases[] = {
        {128, classic, 2},
        {127, classic, 1},
        {95, classic, 1},
        {0, classic, 1},
        {-500, classic, 1},
        {4159, classic, 127},
        {4160, classic, 128},
        {100000, classic, 128},
        {std::numeric_limits<int32_t>::min(), classic, 1},
        {640, twelvePoint, 10},
        {131 + 48 * 7, twelvePoint, 7},
        {131 + 48 * 7 - 1, twelvePoint, 6},
        {130, twelvePoint, 1},
        {640, {64, 0}, 128},  // no width per byte cannot divide by zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BytesPerRowForWidth(c.width, c.widths), c.bytes) << "width " << c.width;
    }
}

TEST(ViewSizing, RowsFitTheHeightBetweenOneAnd128)
{
    struct Case {
        int32_t height;
        int32_t rowHeight;
        int32_t rows;
    };
    const Case cases[] = {
        {245, 18, 13},       {216, 18, 12},       {17, 18, 1}, {0, 18, 1},   {-40, 18, 1},
        {18 * 128, 18, 128}, {18 * 300, 18, 128}, {500, 0, 1}, {500, -3, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowsForHeight(c.height, c.rowHeight), c.rows) << c.height << " / " << c.rowHeight;
    }
}

}  // namespace
}  // namespace zarvo
