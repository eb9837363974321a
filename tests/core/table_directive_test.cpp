#include "core/table_loader.h"
#include "support/document_builder.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

TEST(DirectiveTest, CodeDefinesTheSlotNamedByItsNumber)
{
    struct Case {
        const char* line;
        int byte;  // codeTable slot expected to be defined, -1 = none at all
        const char* text;
    };
    const Case cases[] = {
        {".code $80 \"a=b\"", 0x80, "a b"},  // the first '=' of the line becomes a blank
        {".code=$80 \"a=b\"", 0x80, "a=b"},
        {".CODE\t$8a \"x\"", 0x8A, "x"},
        {".code 128 \"y\"", 0x80, "y"},  // decimal without '$'
        {".code 80 \"z\"", 0x50, "z"},
        {".code $1F0 \"w\"", 0xF0, "w"},  // cut to 8 bits
        {".codes $81 \"p\"", 0x81, "p"},  // names compare by prefix
        {".code=$82 no quotes", 0x82, ".code $82 no quotes"},
        {".code $83 \"open", 0x83, "open"},
        {".code \"q\"", -1, ""},  // no number: ignored
        {".code", -1, ""},
        {".code $", -1, ""},
        {".code -5 \"m\"", -1, ""},
        {".cod $84 \"n\"", -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TableData table = testing::TableFrom(c.line);
        for (int byte = 0; byte < 256; ++byte) {
            const CodeEntry& entry = table.codeTable[static_cast<std::size_t>(byte)];
            if (byte == c.byte) {
                EXPECT_EQ(entry.used, 1u);
                EXPECT_EQ(entry.text, c.text);
            } else {
                EXPECT_EQ(entry.used, 0u) << "byte " << byte;
            }
        }
    }
}

TEST(DirectiveTest, DualMulticodeAndNontblReadTheirWords)
{
    const TableData table = testing::TableFrom(
        ".dual $12345 \"cut\"\n.DUAL=4660 \"dec\"\n.dual \"none\"\n"
        ".multicode $F3 $10 \"[SE_]\"\n.multicode $F4 \"[no count]\"\n.multicode \"x\"\n"
        ".nontblx \"<$>\"\n");
    ASSERT_EQ(table.dualCount, 2);
    EXPECT_EQ(table.dualList[0].value, 0x4523u);  // 0x2345 with its bytes swapped
    EXPECT_EQ(table.dualList[1].value, 0x3412u);
    EXPECT_EQ(table.multiTable[0xF3].value, 16u);
    EXPECT_EQ(table.multiTable[0xF4].used, 1u);
    EXPECT_EQ(table.multiTable[0xF4].value, 0u);
    EXPECT_EQ(table.multiTable[0xF4].text, "[no count]");
    EXPECT_EQ(table.rawFormat.used, 0u);  // .nontbl is matched whole
    EXPECT_EQ(testing::TableFrom(".NonTbl=\"<$>\"\n").rawFormat.text, "<$>");
}

TEST(DirectiveTest, OtherLineKindsNeedNoEqualsAsFifthCharacter)
{
    TableData table;
    TableSession session;
    ParseTableText(table, session, "(1Ah=x\n[0-1=y\n.cod=z\n()empty\n(5h) named\n(12h\n[1-2\n");
    EXPECT_EQ(*table.pairText[0], "z");  // each of the first three lines is a pair entry without digits
    EXPECT_EQ(session.jumpList, (std::vector<std::string>{"empty->[]", " named->[5]"}));
    EXPECT_TRUE(session.dumpLabels.empty());
}

}  // namespace
}  // namespace zarvo
