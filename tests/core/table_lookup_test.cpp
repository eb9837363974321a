#include "core/table.h"
#include "core/table_loader.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

class TableLookupTest : public ::testing::Test {
protected:
    void Load(std::string_view content) { ParseTableText(table, session, content); }
    static std::string Shown(const std::string* text) { return text ? *text : "<none>"; }

    TableData table;
    TableSession session;
};

TEST_F(TableLookupTest, ForwardLookupsIndexTheEntries)
{
    Load("41=A\n42=\n8140=you\nFFFF=last\n");
    EXPECT_EQ(Shown(SingleTextAt(table, 0x41)), "A");
    EXPECT_EQ(Shown(SingleTextAt(table, 0x42)), "");  // an empty text is still an entry
    EXPECT_EQ(Shown(SingleTextAt(table, 0x43)), "<none>");
    EXPECT_EQ(Shown(PairTextAt(table, 0x81, 0x40)), "you");
    EXPECT_EQ(Shown(PairTextAt(table, 0x40, 0x81)), "<none>");  // the first byte is the high one
    EXPECT_EQ(Shown(PairTextAt(table, 0xFF, 0xFF)), "last");
}

TEST_F(TableLookupTest, LineMarkWinsOverEndMarkOnTheSameByte)
{
    EXPECT_EQ(MarkFor(table, 0x00), 0);  // unset marks never mark byte 0
    Load("\\FF\n*FE7\n/FE\n");           // the '*' line replaces the '\\' line
    EXPECT_EQ(MarkFor(table, 0xFE), '/');
    EXPECT_EQ(MarkFor(table, 0xFF), 0);
    Load("/01\n");
    EXPECT_EQ(MarkFor(table, 0xFE), '*');
    EXPECT_EQ(MarkFor(table, 0x01), '/');
    Load("/-1\n");  // a signed code is ignored
    EXPECT_EQ(MarkFor(table, 0x01), '/');
}

TEST_F(TableLookupTest, ReverseLookupsReturnTheLowestMatchPerMode)
{
    // 82A0 is the Shift-JIS code of a kana.
    Load(
        "20=\n30=ab\n31=a\n32=b\n40=\x82\xA0x\n41=\x82\xA0\n"
        "0101=\n0200=ab\n0300=a\n8140=\x82\xA0\n");
    struct Case {
        std::string query;
        FindMode mode;
        int single;
        int pair;
    };
    const Case cases[] = {
        {"a", FindMode::Exact, 0x31, 0x0300},
        {"ab", FindMode::Exact, 0x30, 0x0200},
        {"a", FindMode::FirstChar, 0x30, 0x0200},
        {"b", FindMode::Prefix2, 0x32, -1},  // a one-byte entry equals a one-byte query
        {"\x82\xA0", FindMode::Prefix2, 0x40, 0x8140},
        {"\x82\xA0", FindMode::Exact, 0x41, 0x8140},
        {"c", FindMode::FirstChar, -1, -1},
        {"", FindMode::Exact, -1, -1},  // empty entries are never found
        {"", FindMode::Prefix2, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query + " mode " + std::to_string(static_cast<int>(c.mode)));
        EXPECT_EQ(FindSingle(table, c.query, c.mode), c.single);
        EXPECT_EQ(FindPair(table, c.query, c.mode), c.pair);
    }
}

TEST_F(TableLookupTest, DtePairsComeOnlyFromTwoCharacterEntries)
{
    EXPECT_EQ(FindDtePair(table, 0x01, 0x01), -1);  // the filler of unused entries
    Load("61=th\n60=th\n62=\x01\x01\n63=the\n");
    EXPECT_EQ(FindDtePair(table, 't', 'h'), 0x60);
    EXPECT_EQ(FindDtePair(table, 0x01, 0x01), 0x62);
    EXPECT_EQ(FindDtePair(table, 'h', 'e'), -1);
    ClearTable(table, session);
    EXPECT_EQ(FindDtePair(table, 't', 'h'), -1);
    EXPECT_EQ(FindDtePair(table, 0x01, 0x01), -1);
}

}  // namespace
}  // namespace zarvo
