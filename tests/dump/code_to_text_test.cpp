#include "dump/code_to_text.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

const DumpContext kContext{0x12000, 0x120FF, 1048576, "C:\\roms\\game.smc", "game.tbl"};

TEST(CodeToText, EveryTokenInAnyLetterCase)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\\nb\\Nc", "a\nb\nc"},
        {"\\t\\T", "\t\t"},
        {"%offset|%OFFSET|%OffSet", "00012010|00012010|00012010"},
        {"%dumpsize %DUMPSIZE", "1,048,576 1,048,576"},
        {"%romname %RomName", "C:\\roms\\game.smc C:\\roms\\game.smc"},
        {"%tblname/%TBLNAME", "game.tbl/game.tbl"},
        {"%startofs-%endofs", "00012000-000120FF"},
        {"%StartOfs-%ENDOFS", "00012000-000120FF"},
        // Not tokens: copied as they stand, including format characters.
        {"%s %d %x %% %offse \\x \\", "%s %d %x %% %offse \\x \\"},
        {"%%offset", "%00012010"},
        {"\\\\n", "\\\n"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(CodeToText(text, kContext, 0x10), expected) << text;
}

TEST(CodeToText, TokensKnowTheirPositionAndAreCutAtTheBufferSize)
{
    EXPECT_TRUE(DependsOnPosition("x%OFFSETy"));
    EXPECT_FALSE(DependsOnPosition("%startofs %offs"));
    // 300 variables of 260 characters would need 78,000 characters.
    const std::string longPath(260, 'p');
    const DumpContext context{0, 0, 0, longPath, ""};
    std::string text;
    for (int i = 0; i < 300; ++i) text += "%romname";
    const std::string expanded = CodeToText(text, context, 0);
    EXPECT_EQ(expanded.size(), kExpandedTextLimit);
    EXPECT_EQ(expanded, std::string(kExpandedTextLimit, 'p'));
}

TEST(NumberWithCommas, GroupsOfThreeFromTheRight)
{
    const std::pair<int64_t, std::string> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1234567, "1,234,567"},
        {123456789, "123,456,789"},
        {2147483647, "2,147,483,647"},
        {-1234, "-1,234"},
    };
    for (const auto& [n, expected] : cases) EXPECT_EQ(NumberWithCommas(n), expected);
}

}  // namespace
}  // namespace zarvo
