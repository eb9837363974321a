#include "view/view_sizing.h"

#include <gtest/gtest.h>
#include <limits>

namespace zarvo {
namespace {

TEST(ViewSizingTest, BytesPerRowFollowTheWidthBetweenOneAnd128)
{
    struct Case {
        int32_t width;
        RowWidths widths;
        int32_t bytes;
    };
    const RowWidths classic;               // 64 + 32 per byte
    const RowWidths twelvePoint{131, 48};  // a larger font: wider offset and cells
    const Case cases[] = {
        {640, classic, 18},
        {445, classic, 11},
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

TEST(ViewSizingTest, RowsFitTheHeightBetweenOneAnd128)
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
