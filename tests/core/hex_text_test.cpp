#include "core/hex_text.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace zarvo {
namespace {

TEST(HexText, ReadingStopsAtTheFirstCharacterThatIsNoDigit)
{
    struct Case {
        const char* text;
        std::optional<int32_t> offset;
    };
    const Case cases[] = {
        {"1A2b", 0x1A2B},         {"7fffffff", 0x7FFFFFFF}, {"80000000", std::nullopt},
        {"00000000000012", 0x12}, {"12 34", 0x12},          {"ffZ9", 0xFF},
        {"", std::nullopt},       {"$12", std::nullopt},    {"FFFFFFFFF", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseHexOffset(c.text), c.offset) << c.text;
}

TEST(HexText, ReadingCountsDigitsAndFlagsValuesOverTheLimit)
{
    const HexReading byte = ReadHexPrefix("1FF", 0xFF);
    EXPECT_TRUE(byte.overflow);
    EXPECT_EQ(byte.digits, 3u);
    EXPECT_TRUE(ReadHexPrefix("9", 5).overflow);
    const HexReading fits = ReadHexPrefix("ffffffff");
    EXPECT_FALSE(fits.overflow);
    EXPECT_EQ(fits.value, 0xFFFFFFFFu);
}

TEST(HexText, FormatsUpperCaseDigitsPaddedToTheWidth)
{
    EXPECT_EQ(FormatHex(0x1A, 8), "0000001A");
    EXPECT_EQ(FormatHex(0xABCDEF12, 4), "ABCDEF12");
    EXPECT_EQ(FormatHex(0, 0), "0");
    EXPECT_EQ(FormatHex(0x7, 2), "07");
}

}  // namespace
}  // namespace zarvo
