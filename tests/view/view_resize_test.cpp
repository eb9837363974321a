#include "view/view_resize.h"

#include "view/edit_harness.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::Editor;

struct ResizeCase {
    ClientArea area;
    int32_t bytesPerRow;
    int32_t rows;  // pageBytes / bytesPerRow
};

TEST(ResizeView, RowsFollowTheWindowWhenAutoSized)
{
    // Rows of the view font's height (16 pixels here), bytes of the measured widths.
    const RowWidths classic;
    const RowWidths measured{91, 28};
    const ResizeCase cases[] = {
        {{640, 320, classic}, 18, 20}, {{640, 320, measured}, 19, 20},
        {{445, 245, classic}, 11, 15}, {{96, 160, classic}, 1, 10},
        {{40, 160, measured}, 1, 10},  {{100000, 100000, classic}, 128, 128},  // the 8-bit cursor fields allow no more
        {{640, 10, classic}, 18, 1},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.area.width << " x " << c.area.height);
        Editor editor(65535, 10);
        editor.session.settings.autoSizeRows = true;
        editor.at(0x100, 3, 4);  // byte 0x134
        const EditResult result = ResizeView(editor.doc, editor.session, c.area);
        EXPECT_EQ(editor.session.view.bytesPerRow, c.bytesPerRow);
        EXPECT_EQ(editor.session.view.pageBytes, c.rows * c.bytesPerRow);
        EXPECT_EQ(editor.doc.cursorOffset, 0x134);
        EXPECT_LT(editor.doc.cursorRow, c.rows);
        EXPECT_EQ(result.repaint, Repaint::Full);
    }
}

TEST(ResizeView, AFixedRowWidthIgnoresTheWindow)
{
    Editor editor(65535, 10);
    editor.at(0x100, 3, 4);
    const EditResult result = ResizeView(editor.doc, editor.session, {640, 320, {}});
    EXPECT_EQ(editor.session.view.bytesPerRow, 16);
    EXPECT_EQ(editor.session.view.pageBytes, 160);
    EXPECT_EQ(editor.doc.topOffset, 0x100);
    EXPECT_EQ(result.repaint, Repaint::Nothing);
}

}  // namespace
}  // namespace zarvo
