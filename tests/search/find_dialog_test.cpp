#include "search/find_dialog.h"

#include "search/kana_grid.h"
#include "search_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

// The dialog drives the frame's session and one editor window.
class FindDialogTest : public testing::SearchSessionTest {
protected:
    void SetUp() override { Open("--cat--cat--CAT--"); }
};

TEST_F(FindDialogTest, TheRelativeSearchBorrowsTheDialogAndGivesItBack)
{
    options().SaveFnd = true;
    options().IncFind = true;
    const FindDialogLayout layout = OpenFindDialog(session.search, FindKind::Relative);
    EXPECT_STREQ(layout.caption, "Find: Relative Search...");
    EXPECT_EQ(layout.boxLength, 15);
    EXPECT_FALSE(options().SaveFnd || options().IncFind || session.search.dialog.saveFndEnabled);
    ShowFindDialog(session.search);
    SelectAllOptions(session.search.dialog);  // the disabled options stay unchecked
    EXPECT_FALSE(options().SaveFnd || options().IncFind);
    EXPECT_TRUE(options().IgCase && options().WildCrd && options().FindFromStart && options().FindLimit);
    RemoveAllOptions(session.search.dialog);

    const FindButtonOutcome found = PressFindButton(session, &doc, "cat");
    EXPECT_TRUE(found.closeDialog);
    CloseFindDialog(session.search, false);
    const AfterDialogOutcome after = AfterFindDialog(session.search);
    EXPECT_TRUE(after.showList);
    EXPECT_EQ(session.search.list.caption, "Data List: 3 Match(es) Found!");  // CAT steps like cat
    EXPECT_TRUE(options().SaveFnd && session.search.dialog.saveFndEnabled && session.search.dialog.incFindEnabled);
    EXPECT_FALSE(options().IncFind);
    EXPECT_EQ(session.search.dialog.boxLength, 32);

    // Nothing found: the box says so; a dialog closed without a search says nothing.
    for (const bool searched : {true, false}) {
        (void)OpenFindDialog(session.search, FindKind::Relative);
        ShowFindDialog(session.search);
        if (searched) (void)PressFindButton(session, &doc, "zq");
        CloseFindDialog(session.search, !searched);
        const AfterDialogOutcome nothing = AfterFindDialog(session.search);
        EXPECT_FALSE(nothing.showList);
        EXPECT_EQ(nothing.notice.has_value(), searched);
        if (searched) {
            EXPECT_EQ(nothing.notice->text, "Sorry... The string was not found.");
        }
    }
}

TEST_F(FindDialogTest, SelectAllLeavesSaveFindsOutWhileIncrementalSearchIsOn)
{
    SelectAllOptions(session.search.dialog);
    EXPECT_FALSE(options().SaveFnd);
    EXPECT_TRUE(options().IncFind && options().IgCase && options().FindLimit);
    options().SaveFnd = true;
    ApplyOptionClick(session.search.dialog);
    EXPECT_FALSE(options().SaveFnd);
    RemoveAllOptions(session.search.dialog);
    EXPECT_FALSE(options().IgCase || options().WildCrd || options().FindFromStart || options().IncFind ||
                 options().FindLimit);
}

TEST_F(FindDialogTest, FindButtonSearchAgainAndEscape)
{
    (void)OpenFindDialog(session.search, FindKind::Text);
    ShowFindDialog(session.search);
    const FindButtonOutcome empty = PressFindButton(session, &doc, "");
    ASSERT_TRUE(empty.notice);
    EXPECT_EQ(empty.notice->text, "Error: No text entered to search for...");
    EXPECT_TRUE(empty.closeDialog);

    const FindButtonOutcome first = PressFindButton(session, &doc, "cat");
    EXPECT_TRUE(first.closeDialog && first.cursorMoved);
    EXPECT_EQ(doc.cursorOffset, 2);
    CloseFindDialog(session.search, false);
    EXPECT_EQ(SearchAgain(session, &doc).repaint, true);
    EXPECT_EQ(doc.cursorOffset, 7);
    // Shown again and closed without a search, the dialog keeps the pattern for F3.
    (void)OpenFindDialog(session.search, FindKind::Hex);
    ShowFindDialog(session.search);
    CloseFindDialog(session.search, false);
    options().IgCase = true;
    EXPECT_TRUE(SearchAgain(session, &doc).cursorMoved);
    EXPECT_EQ(doc.cursorOffset, 12);
    // Esc drops it.
    (void)OpenFindDialog(session.search, FindKind::Text);
    CloseFindDialog(session.search, true);
    const FindButtonOutcome refused = SearchAgain(session, &doc);
    ASSERT_TRUE(refused.notice);
    EXPECT_EQ(refused.notice->text, "Error: No text entered to search for...");
}

TEST_F(FindDialogTest, IncrementalSearchKeepsTheDialogAndCollectedListsBringTheListBack)
{
    (void)OpenFindDialog(session.search, FindKind::Hex);
    options().IncFind = true;
    EXPECT_FALSE(SearchesOnChange(session.search, "636"));
    EXPECT_TRUE(SearchesOnChange(session.search, "6361"));
    EXPECT_FALSE(SearchesOnChange(session.search, "63 6"));  // a digit waits for its pair
    EXPECT_TRUE(SearchesOnChange(session.search, "63 61 "));
    EXPECT_FALSE(PressFindButton(session, &doc, "").notice);  // an emptied box: nothing happens
    const FindButtonOutcome typed = PressFindButton(session, &doc, "6361");
    EXPECT_FALSE(typed.closeDialog);
    EXPECT_EQ(doc.cursorOffset, 2);
    EXPECT_EQ(PressFindButton(session, &doc, "636174").notice.has_value(), false);
    EXPECT_EQ(doc.cursorOffset, 2);  // still on the same match

    options() = {.SaveFnd = true, .FindFromStart = true};
    AddMatchLine(session.search.list, 0x99);  // an old line goes when SaveFnd is checked
    const FindButtonOutcome listed = PressFindButton(session, &doc, "2D2D");
    EXPECT_TRUE(listed.closeDialog);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[$00000000]", "[$00000005]", "[$0000000A]", "[$0000000F]"}));
    const FindButtonOutcome again = SearchAgain(session, &doc);
    EXPECT_TRUE(again.showList);
    EXPECT_EQ(session.search.list.caption, "Data List: 4 Match(es) Found!");
}

TEST_F(FindDialogTest, KanaSearchFindsWhatTheGridTyped)
{
    ParseTableText(doc.table, session.tables, "A0=\x82\xA0\nA1=\x82\xA2\n");
    std::copy_n("\xA0\xA1\xA1\xA0", 4, doc.data() + 0x30);
    (void)OpenFindDialog(session.search, FindKind::Kana);
    std::string box;
    for (const int32_t x : {3 * 24 + 5, 2 * 24 + 2, 1 * 24}) {  // hiragana i, small i (no entry), a
        const auto inserted = KanaCellInsertion(doc.table, 3, KanaCellAt(x, 3), box.size());
        if (inserted) box += *inserted;
    }
    ASSERT_EQ(box, "\x82\xA2\x82\xA0");
    EXPECT_TRUE(PressFindButton(session, &doc, box).cursorMoved);
    EXPECT_EQ(doc.cursorOffset, 0x32);
}

TEST_F(FindDialogTest, PressesWhileASearchRunsAreIgnored)
{
    (void)OpenFindDialog(session.search, FindKind::Relative);
    options().IgCase = true;  // the slow path, which reports progress
    int presses = 0;
    const FindButtonOutcome outcome = PressFindButton(session, &doc, "cat", [&](int32_t) {
        presses += PressFindButton(session, &doc, "cat").ignored ? 1 : 0;
        return true;
    });
    EXPECT_FALSE(outcome.ignored);
    EXPECT_EQ(presses, 256);
    EXPECT_FALSE(session.search.dialog.searchRunning);
}

}  // namespace
}  // namespace zarvo
