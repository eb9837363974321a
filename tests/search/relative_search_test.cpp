#include "search/relative_search.h"

#include "search/find_dialog.h"
#include "search/relative_table.h"
#include "search_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ModelHit;

std::vector<ModelHit> AsModel(const std::vector<RelativeHit>& hits)
{
    std::vector<ModelHit> model;
    for (const RelativeHit& hit : hits) model.push_back({hit.offset, hit.base});
    return model;
}

// The one pass over the differences and the 256 scans agree on random buffers and
// words: planted words, one-letter words, repeated letters, hits on the first and
// the last position, with and without the limit.
TEST(RelativeHits, OnePassListsWhatThe256ScansList)
{
    std::mt19937 random(99);
    for (int round = 0; round < 300; ++round) {
        const std::size_t size = 1 + random() % (round % 10 == 0 ? 5000 : 200);
        std::vector<uint8_t> data = testing::RandomBytes(random, size, 2 + round % 5, static_cast<int>(random() % 256));
        std::string word;
        const std::size_t length = 1 + random() % std::min<std::size_t>(size, round % 3 == 0 ? 15 : 4);
        for (std::size_t i = 0; i < length; ++i) word += static_cast<char>('a' + random() % (round % 2 ? 2 : 26));
        const int plant = static_cast<int>(random() % 3);  // at the start, at the end, nowhere
        if (plant < 2 && size >= length) {
            const std::size_t at = plant == 0 ? 0 : size - length;
            const auto base = static_cast<uint8_t>(random());
            for (std::size_t i = 0; i < length; ++i) data[at + i] = static_cast<uint8_t>(base + word[i] - word[0]);
        }
        const auto first = static_cast<int32_t>(round % 4 == 0 ? random() % size : 0);
        const int32_t limit = round % 3 == 2 ? 1 + static_cast<int32_t>(random() % 40) : -1;
        SCOPED_TRACE(::testing::PrintToString(round) + " " + word);
        const std::vector<ModelHit> model = testing::ModelRelativeHits(
            data, static_cast<std::size_t>(first), word, false, false, limit < 0 ? SIZE_MAX : std::size_t(limit));
        const auto hits = FindRelativeHits(data, first, word, {}, limit);
        ASSERT_TRUE(hits);
        EXPECT_EQ(AsModel(*hits), model);
        // In small pieces, with room for a few offsets at a time: more passes, the same lines.
        MemoryPieces pieces(data, 1 + random() % 50);
        std::vector<RelativeHit> streamed;
        const RelativeWalk walk = ForEachRelativeHit(
            pieces, first, word, {}, limit, [&](const RelativeHit& hit) { streamed.push_back(hit); }, {},
            1 + random() % 6);
        EXPECT_EQ(walk, RelativeWalk::Done);
        EXPECT_EQ(AsModel(streamed), model);
    }
}

// A search without ignoring case or wildcards reports its progress too: piece by
// piece while it counts (the first half) and collects, and while it hands over
// millions of hits; and it stops when told.
TEST(RelativeHits, OnePassReportsProgressAndStopsWhenTold)
{
    const std::vector<uint8_t> data(std::size_t{4} << 20, 'x');  // four pieces of a MiB
    std::vector<int32_t> seen;
    const auto all = FindRelativeHits(data, 0, "xx", {}, -1, [&](int32_t percent) {
        seen.push_back(percent);
        return true;
    });
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), data.size() - 1);
    EXPECT_EQ(seen.front(), 12);  // a quarter of the counting pass
    EXPECT_GT(seen.back(), 75);   // handing over, after the pass that collects
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    seen.clear();
    EXPECT_FALSE(FindRelativeHits(data, 0, "xx", {}, -1, [&](int32_t percent) {
        seen.push_back(percent);
        return seen.size() < 2;
    }));
    EXPECT_EQ(seen.size(), 2u);
}

TEST(RelativeHits, IgnoreCaseAndWildcardsApplyToTheComputedBytes)
{
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        const std::vector<uint8_t> data = testing::RandomBytes(random, 400, 12, round % 2 ? 0x24 : 'A' - 3);
        const std::string word = round % 3 == 0 ? "ab" : round % 3 == 1 ? "Abe" : "cAt";
        const MatchRule rule{round % 2 == 0, round % 4 >= 2};
        SCOPED_TRACE(round);
        const auto hits = FindRelativeHits(data, 0, word, rule, round == 5 ? 30 : -1);
        ASSERT_TRUE(hits);
        EXPECT_EQ(AsModel(*hits), testing::ModelRelativeHits(data, 0, word, rule.ignoreCase, rule.wildcard,
                                                             round == 5 ? 30 : SIZE_MAX));
    }
    // The slow path reports each pass and stops when told.
    std::vector<int32_t> seen;
    const std::vector<uint8_t> data(100, 'x');
    const auto stopped = FindRelativeHits(data, 0, "xy", {true, false}, -1, [&](int32_t percent) {
        seen.push_back(percent);
        return seen.size() < 3;
    });
    EXPECT_FALSE(stopped);
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 0, 1}));
    EXPECT_EQ(SearchingText(42), "Searching %042");
    EXPECT_EQ(SearchingText(100), "Searching %100");
}

TEST(RelativeLine, OffsetPaddedWordAndTheBytesOfAaAnd0)
{
    EXPECT_EQ(RelativeLine(0x1A2B0, "Abc", 0x10), "[$0001A2B0] Abc             | A=10 a=30 0=FF");
    EXPECT_EQ(RelativeLine(0, "abcdefghijklmno", 0), "[$00000000] abcdefghijklmno | A=E0 a=00 0=CF");
}

class RelativeSearchTest : public testing::SearchSessionTest {
protected:
    void SetUp() override
    {
        Open(std::string(0x300, '\0'));
        const uint8_t planted[] = {0x10, 0x31, 0x32};  // Abc with 'A' stored as 0x10
        for (const int32_t at : {0x000, 0x120, 0x2FD}) std::copy(planted, planted + 3, doc.data() + at);
        doc.topOffset = 0x100;
        doc.cursorRow = 1;
        doc.cursorColumn = 2;  // the cursor on 0x112
        doc.cursorOffset = 0x112;
    }
};

TEST_F(RelativeSearchTest, ListsHitsAfterTheCursorAndLeavesTheViewAlone)
{
    (void)OpenFindDialog(session.search, FindKind::Relative);
    const RelativeSearchOutcome outcome = RunRelativeSearch(session, &doc, "Abc");
    EXPECT_EQ(outcome.status, RelativeSearchStatus::Done);
    ASSERT_EQ(ResultLineCount(session.search.list), 2u);
    EXPECT_EQ(ResultLineText(session.search.list, 0), "[$00000120] Abc             | A=10 a=30 0=FF");
    EXPECT_EQ(ResultLineText(session.search.list, 1), "[$000002FD] Abc             | A=10 a=30 0=FF");
    EXPECT_EQ(session.search.state.matchCount, 2);
    EXPECT_EQ(session.search.state.searchPattern[0], 0xFF);  // the pattern of the last base value
    EXPECT_EQ(session.search.state.patternLength, 3);
    EXPECT_EQ(doc.topOffset, 0x100);
    EXPECT_EQ(doc.cursorOffset, 0x112);

    // From the beginning, every base value is searched from offset 0 on. Runs of
    // zeros are hits of a word of one repeated letter, base 0 first.
    session.search.dialog.options.FindFromStart = true;
    ASSERT_EQ(RunRelativeSearch(session, &doc, "Abc").status, RelativeSearchStatus::Done);
    EXPECT_EQ(ResultLineText(session.search.list, 0), "[$00000000] Abc             | A=10 a=30 0=FF");
    session.search.dialog.options.FindLimit = true;
    ASSERT_EQ(RunRelativeSearch(session, &doc, "xxx").status, RelativeSearchStatus::Done);
    EXPECT_EQ(session.search.state.matchCount, 128);
    EXPECT_EQ(ResultLineText(session.search.list, 127), "[$00000082] xxx             | A=C9 a=E9 0=B8");
}

TEST_F(RelativeSearchTest, WordsOutsideOneToFifteenLettersAreRefused)
{
    EXPECT_EQ(RunRelativeSearch(session, &doc, "").status, RelativeSearchStatus::EmptyWord);
    const RelativeSearchOutcome tooLong = RunRelativeSearch(session, &doc, "abcdefghijklmnop");
    EXPECT_EQ(tooLong.status, RelativeSearchStatus::WordTooLong);
    ASSERT_TRUE(tooLong.notice);
    EXPECT_EQ(tooLong.notice->text, "A relative search word has at most 15 letters.");
    EXPECT_EQ(RunRelativeSearch(session, nullptr, "abc").status, RelativeSearchStatus::NoDocument);
}

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
