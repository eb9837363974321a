#include "search/search_run.h"

#include "search/find_dialog.h"
#include "search_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

class SearchRunTest : public testing::SearchSessionTest {
protected:
    SearchRunOutcome Run(FindKind kind, const std::string& text)
    {
        session.search.state.SearchKind = kind;
        return RunSearch(session, &doc, text);
    }
};

TEST_F(SearchRunTest, SavedFindsFromTheBeginningListEveryMatchIncludingOffsetZero)
{
    Open("hello Hello HELLO");
    options() = {.IgCase = true, .SaveFnd = true, .FindFromStart = true};
    const SearchRunOutcome outcome = Run(FindKind::Text, "hello");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[$00000000]", "[$00000006]", "[$0000000C]"}));
    EXPECT_EQ(session.search.state.matchCount, 3);
    EXPECT_FALSE(outcome.scan.found);
    EXPECT_EQ(doc.cursorOffset, 0);  // collecting leaves the cursor
    EXPECT_FALSE(outcome.notice);
}

TEST_F(SearchRunTest, WithoutSaveFindsTheCursorWalksFromMatchToMatch)
{
    Open("abXXXabXXabX");
    const struct {
        FindKind kind;
        const char* text;
        SearchOptions options;
        int32_t found;  // -1: nothing found
    } steps[] = {
        {FindKind::Text, "ab", {}, 5},  // the first match after the cursor
        {FindKind::Again, "", {}, 9},
        {FindKind::Again, "", {}, -1},                   // the cursor stays on 9
        {FindKind::Again, "", {.IncFind = true}, 9},     // incremental: from the cursor itself
        {FindKind::Hex, "7A7A", {.IncFind = true}, -1},  // and never "not found"
        {FindKind::Text, "ab", {.FindFromStart = true}, 0},
        {FindKind::Again, "", {.FindFromStart = true}, 0},  // every run starts again at 0
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        options() = step.options;
        const int32_t before = doc.cursorOffset;
        const SearchRunOutcome outcome = Run(step.kind, step.text);
        EXPECT_EQ(outcome.scan.found, step.found >= 0);
        EXPECT_EQ(doc.cursorOffset, step.found >= 0 ? step.found : before);
        EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, doc.cursorOffset);
        EXPECT_EQ(outcome.notice.has_value(), step.found < 0 && !step.options.IncFind);
        if (outcome.notice) {
            EXPECT_EQ(outcome.notice->text, "Sorry... The string was not found.");
            EXPECT_EQ(outcome.notice->caption, "No string found...");
        }
    }
}

TEST_F(SearchRunTest, WhileTheTileSheetShowsAHitStartsItAndSearchAgainGoesOn)
{
    Open("abXXXabXXabX");
    session.tiles.editorOn = true;
    EXPECT_EQ(Run(FindKind::Text, "ab").scan.offset, 5);
    EXPECT_EQ(doc.topOffset, 5);
    EXPECT_EQ(Run(FindKind::Again, "").scan.offset, 9);
    EXPECT_EQ(doc.topOffset, 9);
}

TEST_F(SearchRunTest, TheWholeAddressableBufferIsScannedToItsLastByte)
{
    Open("", 0x10000);
    doc.data()[0xFFFD] = 'x';
    doc.data()[0xFFFE] = 'y';
    doc.data()[0xFFFF] = 'z';
    EXPECT_EQ(Run(FindKind::Text, "xyz").scan.offset, 0xFFFD);
    doc.topOffset = doc.cursorRow = doc.cursorColumn = 0;
    EXPECT_EQ(Run(FindKind::Hex, "7A").scan.offset, 0xFFFF);

    // Past the end of a short file the buffer holds zeros, and they are searched too.
    Open("12345");
    options() = {.SaveFnd = true, .FindFromStart = true};
    EXPECT_EQ(Run(FindKind::Hex, "0000").scan.listed, kMinimumViewSize - 5 - 1);
    EXPECT_EQ(Lines().back(), "[$0000FFFD]");
}

TEST_F(SearchRunTest, TheLimitEndsTheListAt128AndThenMovesTheCursor)
{
    Open(std::string(300, 'q') + "z");
    options() = {.SaveFnd = true, .FindFromStart = true, .FindLimit = true};
    EXPECT_EQ(Run(FindKind::Text, "q").scan.listed, 128);
    EXPECT_EQ(Lines()[127], "[$0000007F]");
    EXPECT_EQ(MatchesFoundCaption(session.search.state.matchCount), "Data List: 128 Match(es) Found!");
    const SearchRunOutcome full = Run(FindKind::Again, "");  // matchCount is never reset by a run
    EXPECT_TRUE(full.scan.found);
    EXPECT_EQ(full.scan.offset, 0);
    EXPECT_EQ(full.scan.listed, 0);
}

TEST_F(SearchRunTest, ALeadingWildcardMatchesAnyByte)
{
    Open("xAyA*B**A");
    options() = {.SaveFnd = true, .WildCrd = true, .FindFromStart = true};
    EXPECT_EQ(Run(FindKind::Hex, "**41").scan.listed, 3);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[$00000000]", "[$00000002]", "[$00000007]"}));
    // Without wildcards 2A is an ordinary byte, typed as digits.
    options().WildCrd = false;
    EXPECT_EQ(Run(FindKind::Hex, "2A 42").scan.listed, 1);
}

TEST_F(SearchRunTest, RefusedTextsSearchNothingAndKeepTheLastPattern)
{
    Open("AB\x01");
    options() = {.SaveFnd = true, .FindFromStart = true};
    ASSERT_EQ(Run(FindKind::Hex, "4142").scan.listed, 1);
    const struct {
        FindKind kind;
        const char* text;
        const char* message;
    } refusals[] = {
        {FindKind::Hex, "414", "Hex string is missing one digit."},
        {FindKind::Hex, "41**", "Wild Card not enabled..."},
        {FindKind::Text, "\x01\x02", "Error: No text entered to search for..."},  // no entry encodes them
    };
    for (const auto& refusal : refusals) {
        const SearchRunOutcome outcome = Run(refusal.kind, refusal.text);
        EXPECT_EQ(outcome.status, SearchRunStatus::Refused);
        ASSERT_TRUE(outcome.notice);
        EXPECT_EQ(outcome.notice->text, refusal.message);
        EXPECT_EQ(session.search.state.patternLength, 2);
        EXPECT_EQ(session.search.state.matchCount, 1);
    }
    EXPECT_EQ(Run(FindKind::Text, "").status, SearchRunStatus::NothingTyped);
    EXPECT_EQ(RunSearch(session, nullptr, "AB").status, SearchRunStatus::NoDocument);
}

}  // namespace
}  // namespace zarvo
