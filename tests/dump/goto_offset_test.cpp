#include "dump/goto_offset.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarvo {
namespace {

TEST(GotoOffset, TypedTextReadWithTheStopRuleAndClamped)
{
    struct Case {
        const char* text;
        bool hexadecimal;
        int32_t viewSize;
        std::optional<int32_t> target;
    };
    const Case cases[] = {
        {"20000", true, 65535, 65279},  // past the buffer: viewSize - 256
        {"12zz", true, 65535, 0x12},    // pasted past the filter
        {"FFFF", true, 65535, 0xFFFF},  // viewSize itself is not past it
        {"10000", true, 65535, 65279},
        {"ff", true, 0x100000, 0xFF},
        {"1234", false, 65535, 1234},
        {"12a4", false, 65535, 12},
        {"999999999999999999999", false, 65535, 65279},
        {"FFFFFFFFFFFFFFFFFFFF", true, 0x7FFFFFFF, 0x7FFFFEFF},
        {"zz", true, 65535, 0},
        {"", true, 65535, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(GotoOffsetTarget(c.text, c.hexadecimal, c.viewSize), c.target) << c.text;
}

TEST(GotoOffset, JumpListEntriesAndTheirClamp)
{
    EXPECT_EQ(JumpListTarget("Title screen->[1A2B]", 65535, 320), 0x1A2B);
    EXPECT_EQ(JumpListTarget("a[b]->[10]", 65535, 320), 0xB);  // the first '[' counts
    EXPECT_EQ(JumpListTarget("a[x]->[10]", 65535, 320), 0);
    EXPECT_EQ(JumpListTarget("x->[20000]", 65535, 320), 65535 - 320);
    EXPECT_EQ(JumpListTarget("no bracket", 65535, 320), std::nullopt);
}

TEST(GotoOffset, KeysTheBoxesTake)
{
    // Typing 1 g f f leaves 1FF in hexadecimal mode and 1 in decimal mode.
    std::string hexadecimal, decimal, offset;
    for (const char key : std::string("1gff\b-")) {
        if (const char c = GotoKeyFilter(key, true)) hexadecimal += c;
        if (const char c = GotoKeyFilter(key, false)) decimal += c;
        if (const char c = OffsetBoxKeyFilter(key)) offset += c;
    }
    EXPECT_EQ(hexadecimal, "1FF\b");
    EXPECT_EQ(decimal, "1\b");
    EXPECT_EQ(offset, "1FF\b");
}

}  // namespace
}  // namespace zarvo
