#include "view/status_text.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

TEST(StatusTextTest, ShowsTheCursorByteAndOffsetInEveryBase)
{
    using Texts = std::array<std::string, 5>;
    EXPECT_EQ(StatusTexts(0x41, 300), (Texts{"Decimal: 65", "Hexdecimal: 41", "Binary: 01000001", "Decimal Offset: 300",
                                             "Hexdecimal Ofset: 0000012C"}));
    EXPECT_EQ(StatusTexts(0x00, 0), (Texts{"Decimal: 0", "Hexdecimal: 00", "Binary: 00000000", "Decimal Offset: 0",
                                           "Hexdecimal Ofset: 00000000"}));
    EXPECT_EQ(StatusTexts(0xA5, 0x1ABCDEF), (Texts{"Decimal: 165", "Hexdecimal: A5", "Binary: 10100101",
                                                   "Decimal Offset: 28036591", "Hexdecimal Ofset: 01ABCDEF"}));
}

}  // namespace
}  // namespace zarvo
