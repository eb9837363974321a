#include "search/relative_table.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

TEST(FirstTable, EveryPrintableCharacterKeepsItsDistanceFromA)
{
    const std::vector<std::string> lines = FirstTableLines(0x1A);
    ASSERT_EQ(lines.size(), 95u);
    EXPECT_EQ(lines.front(), "00='");
    EXPECT_EQ(lines.back(), "FF=&");
    const std::vector<std::string> expected = {"1A=A", "33=Z", "3A=a", "57=~", "F9= "};
    for (const std::string& line : expected) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    // In byte order, and every byte value at most once.
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_LT(lines[i - 1].substr(0, 2), lines[i].substr(0, 2));
    // With 'A' stored as itself the table is the ASCII table.
    const std::vector<std::string> ascii = FirstTableLines(0x41);
    EXPECT_EQ(ascii.front(), "20= ");
    EXPECT_EQ(ascii.back(), "7E=~");
}

TEST(FirstTable, TheValueOfAIsReadFromTheSelectedLine)
{
    const struct {
        const char* line;
        int value;  // -1: the line names none
    } cases[] = {
        {"[$0001A2B0] Abc             | A=1A a=3A 0=09", 0x1A},
        {"[$00000010] x=y             | A=C9 a=E9 0=B8", 0xC9},  // a word holding '='
        {"A=1A", 0x1A},
        {"a=ff", 0xFF},
        {"A=7", 0x07},
        {"[$0001A2B0]", -1},  // a text-search line
        {"A=", -1},
        {"A=zz", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto value = TableValueOfA(c.line);
        EXPECT_EQ(value ? int{*value} : -1, c.value);
    }
    const std::string hit = cases[0].line;
    EXPECT_EQ(PreparedTableLines(0, &hit), FirstTableLines(0x1A));
    EXPECT_FALSE(PreparedTableLines(1, &hit));  // dump labels are listed
    EXPECT_FALSE(PreparedTableLines(0, nullptr));
}

}  // namespace
}  // namespace zarvo
