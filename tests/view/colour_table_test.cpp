#include "view/colour_table.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

TEST(ColourTableTest, FillsTheThirteenViewSlotsAndLeavesTheRestBlack)
{
    // (text, background) as 0x00BBGGRR, slot by slot.
    const ColourPair expected[kColourSlots] = {
        {0xFFFFFF, 0x000000}, {0xFFFFFF, 0x000000}, {0x808000, 0x000000}, {0x808000, 0x000000}, {0xFFFFFF, 0x808080},
        {0xFFFFFF, 0x808080}, {0x808000, 0x808080}, {0x0000FF, 0x000000}, {0x00FFFF, 0x000000}, {0xFFFFFF, 0x000000},
        {0x0000FF, 0x808080}, {0x00FFFF, 0x808080}, {0xFFFFFF, 0x808080},
    };
    const ColorTable table = LoadColors();
    for (int slot = 0; slot < kColourSlots; ++slot) {
        EXPECT_EQ(table[slot].text, expected[slot].text) << "slot " << slot;
        EXPECT_EQ(table[slot].back, expected[slot].back) << "slot " << slot;
    }
}

}  // namespace
}  // namespace zarvo
