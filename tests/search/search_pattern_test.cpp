#include "search/search_pattern.h"

#include "search_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::TableFrom;

std::vector<uint8_t> PatternBytes(const SearchPattern& pattern)
{
    return {pattern.view().begin(), pattern.view().end()};
}

TEST(TextPattern, CharactersGoThroughTheTableAndIgnoreCaseUpperCasesFirst)
{
    DocRecord doc;
    TableSession session;
    LoadAsciiTable(doc, session);
    EXPECT_EQ(PatternBytes(BuildTextPattern(doc.table, "hello", true, false)), testing::Bytes("HELLO"));
    EXPECT_EQ(PatternBytes(BuildTextPattern(doc.table, "h*y", false, true)), testing::Bytes("h*y"));

    // Singles before pairs, the lowest byte first; a pair is written high byte first;
    // a character without an entry is left out; only the single byte is a character.
    const TableData table = TableFrom("30=a\n31=a\n32=bb\n8140=b\n0A0B=*\n");
    const struct {
        const char* text;
        bool ignoreCase;
        bool wildcard;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"ab", false, false, {0x30, 0x81, 0x40}},
        {"a?b", false, false, {0x30, 0x81, 0x40}},
        {"ab", true, false, {}},  // upper-cased letters have no entry here
        {"*a", false, false, {0x0A, 0x0B, 0x30}},
        {"*a", false, true, {0x2A, 0x30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SearchPattern pattern = BuildTextPattern(table, c.text, c.ignoreCase, c.wildcard);
        EXPECT_EQ(PatternBytes(pattern), c.bytes);
        EXPECT_EQ(pattern.error, c.bytes.empty() ? PatternError::NothingToSearch : PatternError::None);
        EXPECT_EQ(pattern.bytes[static_cast<std::size_t>(pattern.length)], 0);
    }
}

TEST(TextPattern, ATextLongerThanThePatternIsRefusedNotCut)
{
    const TableData table = TableFrom("8140=x\n41=A\n");
    EXPECT_EQ(BuildTextPattern(table, std::string(19, 'x') + "A", false, false).length, 39);
    EXPECT_EQ(BuildTextPattern(table, std::string(20, 'x'), false, false).error, PatternError::TooLong);
    EXPECT_EQ(BuildTextPattern(table, std::string(40, 'A'), false, false).error, PatternError::TooLong);
    EXPECT_EQ(PatternErrorNotice(PatternError::TooLong).caption, "Error in String.");
}

// Pairs read with the stop rule; blanks may stand between pairs.
TEST(HexPattern, PairsReadWithTheStopRuleAndTheirErrors)
{
    const struct {
        std::string text;
        bool wildcard;
        PatternError error;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"0aFF10", false, PatternError::None, {0x0A, 0xFF, 0x10}},
        {"1**2", true, PatternError::None, {0x01, 0x2A}},  // "1*" is 1, "*2" a wildcard
        {"1...", false, PatternError::None, {0x01, 0x00}},
        {"2A", false, PatternError::None, {0x2A}},
        {"ABC", false, PatternError::HexMissingDigit, {}},
        {"12*4", false, PatternError::WildCardNotEnabled, {}},
        {"", false, PatternError::NothingToSearch, {}},
        {std::string(80, 'F'), false, PatternError::TooLong, {}},
        {"8B A8 AD AA", true, PatternError::None, {0x8B, 0xA8, 0xAD, 0xAA}},
        {" 41\t42\r\n43 ", true, PatternError::None, {0x41, 0x42, 0x43}},
        {"** 41", true, PatternError::None, {0x2A, 0x41}},
        {"4 12", true, PatternError::None, {0x04, 0x12}},  // a pair begins at a character that is no blank
        {"8B A", true, PatternError::HexMissingDigit, {}},
        {"  ", true, PatternError::NothingToSearch, {}},
        {std::string(39 * 3, ' ').replace(0, 2, "01"), true, PatternError::None, {0x01}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SearchPattern pattern = BuildHexPattern(c.text, c.wildcard);
        EXPECT_EQ(pattern.error, c.error);
        EXPECT_EQ(PatternBytes(pattern), c.bytes);
    }
    // The limit counts pairs, not characters.
    std::string pairs;
    for (int i = 0; i < 40; ++i) pairs += "7F ";
    EXPECT_EQ(BuildHexPattern(std::string(78, 'F'), false).length, 39);
    EXPECT_EQ(BuildHexPattern(pairs.substr(3), false).length, 39);
    EXPECT_EQ(BuildHexPattern(pairs, false).error, PatternError::TooLong);
}

TEST(KanaPattern, TwoByteStepsThroughFirstTwoBytesOfEntries)
{
    // A (82A0) has a single entry that begins with it; I (82A2) only a pair; U (82A4) none.
    const TableData table = TableFrom("10=\x82\xA0x\n11=\x82\xA0\n9000=\x82\xA2\n");
    EXPECT_EQ(PatternBytes(BuildKanaPattern(table, "\x82\xA0**\x82\xA2\x82\xA4")),
              (std::vector<uint8_t>{0x10, 0x2A, 0x90, 0x00}));
    EXPECT_EQ(BuildKanaPattern(table, "\x82\xA4").error, PatternError::NothingToSearch);
}

TEST(RelativePattern, LettersKeepTheirDistanceFromTheFirst)
{
    EXPECT_EQ(PatternBytes(BuildRelativePattern("Abc", 0x10)), (std::vector<uint8_t>{0x10, 0x31, 0x32}));
    EXPECT_EQ(PatternBytes(BuildRelativePattern("zA", 0xF0)), (std::vector<uint8_t>{0xF0, 0xB7}));
    EXPECT_EQ(BuildRelativePattern(std::string(16, 'a'), 0).error, PatternError::TooLong);
}

}  // namespace
}  // namespace zarvo
