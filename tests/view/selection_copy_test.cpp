#include "view/selection_copy.h"

#include "support/document_builder.h"
#include "view/edit_harness.h"

#include <gtest/gtest.h>
#include <tuple>

namespace zarvo {
namespace {

// Rows of 4 bytes: 41 81 40 42 | 81 40 60 FE | FF 00 00 81 | 40 00 10 41, with the
// entries 41=A 42=B 60=th 10=ア (Shift-JIS 83 41), the pair 8140=you and the marks FE / FF *.
testing::Editor CopyEditor()
{
    testing::Editor editor;
    editor.session.view.bytesPerRow = 4;
    editor.session.view.pageBytes = 16;
    editor.doc.table = testing::TableFrom("41=A\n42=B\n60=th\n10=\x83\x41\n8140=you\n/FE\n*FF\n");
    const uint8_t bytes[] = {0x41, 0x81, 0x40, 0x42, 0x81, 0x40, 0x60, 0xFE, 0xFF, 0, 0, 0x81, 0x40, 0, 0x10, 0x41};
    for (int32_t at = 0; at < 16; ++at) editor.byte(at) = bytes[at];
    return editor;
}

TEST(SelectionCopy, TableTextIsWhatTheTextColumnShowsForTheBytes)
{
    // top, Unicode view, bytes, text
    const std::tuple<int32_t, bool, ByteRange, const char16_t*> cases[] = {
        {0, false, {0, 3}, u"AyouB"},     {0, false, {2, 2}, u"you"},   // the second byte of a pair shows the pair
        {0, false, {3, 9}, u"Byouth/*."}, {0, false, {11, 12}, u".."},  // a pair never starts in a row's last column
        {1, false, {1, 4}, u"youB."},                                   // rows start where the page's rows start
        {6, false, {0, 0}, u"A"},         {0, false, {3, 3}, u"B"},
        {0, false, {14, 15}, u"\u30A2A"},  // a Japanese entry as its character
        {0, true, {14, 15}, u"\u30A2A"},   // decoded as the Unicode view draws it
    };
    for (const auto& [top, unicode, range, text] : cases) {
        SCOPED_TRACE(range.first);
        testing::Editor editor = CopyEditor();
        editor.doc.topOffset = top;
        editor.doc.unicodeView = unicode;
        EXPECT_EQ(TableCopyText(editor.doc, editor.session.view, range, Cp932Codec()), text);
    }
}

}  // namespace
}  // namespace zarvo
