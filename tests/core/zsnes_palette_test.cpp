#include "core/zsnes_palette.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

TEST(ZsnesColour, MovesRedGreenAndBlueIntoRgb565)
{
    const struct {
        uint16_t word;
        uint16_t rgb565;
    } cases[] = {
        {0x7FFF, 0xFFFF},                    // white
        {0x001F, 0xF820},                    // red 31: its top bit also shows as the lowest green bit
        {0x03E0, 0x07C0},                    // green 31 lands in bits 10..6
        {0x7C00, 0x001F},                    // blue 31
        {0x0000, 0x0000}, {0x0010, 0x8020},  // red 16 alone
    };
    for (const auto& c : cases) EXPECT_EQ(ZsnesColourToRgb565(c.word), c.rgb565) << std::hex << c.word;
}

}  // namespace
}  // namespace zarvo
