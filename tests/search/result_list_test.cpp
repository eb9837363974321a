#include "search/result_list.h"

#include "search_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

TEST(ResultList, LinesJumpToTheirOffsets)
{
    const struct {
        const char* line;
        int32_t doubleClick;  // -1: no jump
        int32_t start;
        int32_t end;
    } cases[] = {
        {"[$0001A2B0]", 0x1A2B0, -1, -1},
        {"[$0001A2B0] Abc             | A=10 a=30 0=FF", 0x1A2B0, -1, -1},
        {"[$00000010] a-b             | A=10 a=30 0=FF", 0x10, -1, -1},  // a '-' in the word
        {"[00012000-000120FF]Intro", 0x12000, 0x12000, 0x120FF},
        {"[00012000-000120FF", 0x12000, 0x12000, -1},
        {"[$7FFFFFFF]", 0x1FFFF, -1, -1},  // kept inside the document
        {"[$FFFFFFFF]", -1, -1, -1},       // no 32-bit signed offset
        {"Intro", -1, -1, -1},
        {"", -1, -1, -1},
    };
    const int32_t viewSize = 0x20000;
    const auto OrNone = [](std::optional<int32_t> offset) { return offset ? *offset : -1; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(OrNone(ListLineOffset(c.line, viewSize)), c.doubleClick);
        EXPECT_EQ(OrNone(LabelJumpOffset(c.line, LabelEnd::Start, viewSize)), c.start);
        EXPECT_EQ(OrNone(LabelJumpOffset(c.line, LabelEnd::End, viewSize)), c.end);
    }
}

TEST(ResultList, ActivatingALineMovesTheCursorAndModesHandLabelsOn)
{
    DocRecord doc = testing::MakeDocument({}, 0x20000);
    Session session;
    session.view.pageBytes = 16 * 20;
    ResultListState list;
    AddMatchLine(list, 0x1A2B0);
    AddMatchLine(list, 0x40);
    const std::string first = ResultLineText(list, 0);
    const std::string second = ResultLineText(list, 1);
    EXPECT_EQ(ActivateListLine(list, &first, &doc, session), ListActivation::Jumped);
    EXPECT_EQ(doc.cursorOffset, 0x1A2B0);
    EXPECT_EQ(ActivateListLine(list, &second, &doc, session), ListActivation::Jumped);
    EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, 0x40);
    EXPECT_EQ(ActivateListLine(list, &second, nullptr, session), ListActivation::Nothing);
    EXPECT_EQ(ActivateListLine(list, nullptr, &doc, session), ListActivation::Nothing);
    const std::string label = "[00012000-000120FF]Intro";
    EXPECT_TRUE(JumpToLabelEnd(&label, LabelEnd::End, &doc, session));
    EXPECT_EQ(doc.cursorOffset, 0x120FF);
    EXPECT_FALSE(JumpToLabelEnd(&first, LabelEnd::Start, &doc, session));
    EXPECT_EQ(doc.cursorOffset, 0x120FF);

    // Modes 1 and 2 show the dump labels; closing returns to mode 0 and keeps the lines.
    TableSession tables;
    tables.dumpLabels = {label, "", "[00000000-0000000F]Title"};
    EXPECT_TRUE(ShowResultList(list, tables));
    EXPECT_EQ(ResultLineCount(list), 2u);
    list.mode = 2;
    EXPECT_FALSE(ShowResultList(list, tables));
    ASSERT_EQ(ResultLineCount(list), 2u);
    EXPECT_EQ(ResultLineText(list, 1), "[00000000-0000000F]Title");
    EXPECT_EQ(ActivateListLine(list, &label, &doc, session), ListActivation::DumpLabels);
    CloseResultList(list);
    EXPECT_EQ(list.mode, 0);
    EXPECT_EQ(ResultLineCount(list), 2u);
}

}  // namespace
}  // namespace zarvo
