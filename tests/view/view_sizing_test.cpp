#include "view/view_sizing.h"

#include <gtest/gtest.h>
#include <limits>

namespace zarvo {
namespace {

TEST(ViewSizingTest, BytesPerRowFollowTheWidthBetweenOneAnd128)
{
    const std::pair<int32_t, int32_t> cases[] = {
        {640, 18}, {445, 11}, {128, 2},    {127, 1},    {96, 1},       {95, 1},
        {0, 1},    {-500, 1}, {4159, 127}, {4160, 128}, {100000, 128}, {std::numeric_limits<int32_t>::min(), 1},
    };
    for (const auto& [width, bytes] : cases) {
        EXPECT_EQ(BytesPerRowForWidth(width), bytes) << "width " << width;
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
