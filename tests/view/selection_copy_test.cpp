#include "view/selection_copy.h"

#include "view/edit_harness.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarvo {
namespace {

using testing::Editor;

// Rows of 4 bytes: 41 81 40 42 | 81 40 60 FE | FF 00 00 81 | 40 ..
class CopyTest : public ::testing::Test {
protected:
    CopyTest()
    {
        editor.session.view.bytesPerRow = 4;
        editor.session.view.pageBytes = 16;
        TableData& table = editor.doc.table;
        table.singleText[0x41] = "A";
        table.singleText[0x42] = "B";
        table.singleText[0x60] = "th";
        table.pairText[0x8140] = "you";
        table.lineCode = 0xFE;
        table.lineMark = '/';
        table.endCode = 0xFF;
        table.endMark = '*';
        const std::vector<uint8_t> bytes = {0x41, 0x81, 0x40, 0x42, 0x81, 0x40, 0x60,
                                            0xFE, 0xFF, 0x00, 0x00, 0x81, 0x40};
        for (std::size_t at = 0; at < bytes.size(); ++at) editor.byte(static_cast<int32_t>(at)) = bytes[at];
    }

    std::u16string TableText(ByteRange range) { return TableCopyText(editor.doc, editor.session.view, range, codec); }

    Editor editor;
    Cp932Codec codec;
};

TEST_F(CopyTest, TableTextIsWhatTheTextColumnShowsForTheBytes)
{
    const struct {
        int32_t top;
        ByteRange range;
        const char16_t* text;
    } cases[] = {
        {0, {0, 3}, u"AyouB"},     {0, {2, 2}, u"you"},   // the second byte of a pair shows the pair
        {0, {3, 9}, u"Byouth/*."}, {0, {11, 12}, u".."},  // a pair never starts in a row's last column
        {1, {1, 4}, u"youB."},                            // rows start where the page's rows start
        {6, {0, 0}, u"A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range.first);
        editor.doc.topOffset = c.top;
        EXPECT_EQ(TableText(c.range), c.text);
    }
}

TEST_F(CopyTest, UnicodeViewDecodesEachCellAsItIsDrawn)
{
    editor.doc.table.singleText[0x10] = "\x83\x41";  // ア in Shift-JIS
    editor.byte(20) = 0x10;
    editor.byte(21) = 0x41;
    EXPECT_EQ(TableText({20, 21}), u"\u0083\u0041A");
    editor.doc.unicodeView = true;
    EXPECT_EQ(TableText({20, 21}), u"\u30A2A");
}

TEST_F(CopyTest, HexTextOfTheSelectionOrElseTheCursorByte)
{
    EXPECT_EQ(HexCopyText(editor.doc, {0, 3}), "41 81 40 42");
    EXPECT_EQ(HexCopyText(editor.doc, {12, 12}), "40");
    editor.at(0, 2, 1);
    EXPECT_EQ(CopyRange(editor.doc, editor.session.view), (ByteRange{9, 9}));
    Select(editor.doc, 7, 2);
    EXPECT_EQ(CopyRange(editor.doc, editor.session.view), (ByteRange{2, 7}));
    EndSelection(editor.doc);
    editor.at(252, 1, 0);  // past the 256 bytes
    EXPECT_FALSE(CopyRange(editor.doc, editor.session.view).has_value());
}

}  // namespace
}  // namespace zarvo
