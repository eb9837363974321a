#include "view/paste.h"

#include "core/document_edit.h"
#include "support/document_builder.h"
#include "view/edit_harness.h"
#include "view/selection.h"
#include "view/selection_copy.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace zarvo {
namespace {

using testing::Editor;
using Bytes = std::vector<uint8_t>;

// Hexadecimal text (one string) or table text (a string a character); 41=A 42=B 8140=ア.
TEST(ReadPaste, TakesHexPairsOrTypedCharactersAndRefusesAtTheFirstThatDoesNotFit)
{
    const TableData table = testing::TableFrom("41=A\n42=B\n8140=\x83\x41\n");
    using enum PasteRefusal;
    using Text = std::vector<std::string>;
    const std::tuple<bool, Text, bool, Bytes, PasteRefusal, std::size_t> cases[] = {
        {true, {"41 42 43"}, false, {0x41, 0x42, 0x43}, None, 0},
        {true, {"\t4142\r\n ab\n"}, false, {0x41, 0x42, 0xAB}, None, 0},
        {true, {" \r\n"}, false, {}, Empty, 0},
        {true, {"41 4"}, false, {}, NotHex, 3},
        {true, {"4 1"}, false, {}, NotHex, 0},   // never a blank inside a pair
        {true, {"0x41"}, false, {}, NotHex, 0},  // no prefix
        {false, {"A", "\r", "\n", "B"}, false, {0x41, 0x42}, None, 0},
        {false, {"A", "\x83\x41", "B"}, false, {0x41, 0x81, 0x40, 0x42}, None, 0},
        {false, {"A", "\x83\x41"}, true, {}, NoTableCode, 1},  // D_MBE: no two-byte entries
        {false, {"A", "B", "Z"}, false, {}, NoTableCode, 2},
        {false, {"A", "", "B"}, false, {}, NoTableCode, 1},  // no Shift-JIS code
        {false, {"\n"}, false, {}, Empty, 0},
    };
    for (const auto& [hex, text, mbe, bytes, refusal, position] : cases) {
        SCOPED_TRACE(text.front());
        const PasteReading reading = hex ? ReadHexPaste(text.front()) : ReadTablePaste(table, {mbe, false}, text);
        EXPECT_EQ(reading.refusal, refusal);
        EXPECT_EQ(reading.data.bytes, bytes);
        EXPECT_EQ(reading.position, position);
    }
    EXPECT_EQ(ReadTablePaste(table, {}, {"A", "\x83\x41"}).data.pairStarts, std::vector<int32_t>{1});
}

// What a copy writes, and the same bytes with any separators and either case, read back.
TEST(ReadHexPaste, ReadsBackWhatACopyWritesForRandomBytes)
{
    std::mt19937 random(13);
    const char* separators[] = {" ", "", "\t", "\r\n", "\n", "  "};
    for (int round = 0; round < 200; ++round) {
        Editor editor(512);
        const int count = 1 + static_cast<int>(random() % 512);
        std::string spaced;
        std::string loose;
        char digits[3];
        for (int at = 0; at < count; ++at) {
            editor.byte(at) = static_cast<uint8_t>(random());
            std::snprintf(digits, sizeof digits, random() % 2 ? "%02X" : "%02x", editor.byte(at));
            loose += separators[random() % 6] + std::string(digits);
            std::snprintf(digits, sizeof digits, "%02X", editor.byte(at));
            spaced += (at == 0 ? "" : " ") + std::string(digits);
        }
        const Bytes bytes(editor.doc.data(), editor.doc.data() + count);
        ASSERT_EQ(HexCopyText(editor.doc, {0, count - 1}), spaced);
        EXPECT_EQ(ReadHexPaste(loose).data.bytes, bytes);
    }
}

// 256 bytes of 0xEE, rows of 16, a page of 4 rows; a selection and a half-typed byte.
TEST(WritePaste, OverwritesFromTheCursorAsOneUndoStepAndCutsAtTheEndOfTheData)
{
    const Bytes ten(10, 0x5A);
    // top, cursor, bytes, where two-byte entries start, bytes written, cursor and top afterwards
    const std::tuple<int32_t, int32_t, Bytes, std::vector<int32_t>, int32_t, int32_t, int32_t> cases[] = {
        {0, 16, {1, 2, 3}, {}, 3, 19, 0},
        {0, 60, ten, {}, 10, 70, 16},                      // the page follows the cursor
        {192, 250, ten, {}, 6, 255, 192},                  // cut; the cursor on the last byte
        {192, 254, {0x41, 0x81, 0x40}, {1}, 1, 255, 192},  // a two-byte entry is never split
    };
    for (const auto& [top, from, bytes, pairStarts, written, cursor, newTop] : cases) {
        SCOPED_TRACE(from);
        Editor editor;
        std::fill_n(editor.doc.data(), 256, 0xEE);
        editor.at(top, (from - top) / 16, (from - top) % 16);
        Select(editor.doc, 0, 5);
        editor.doc.nibblePending = true;
        const PasteOutcome outcome = WritePaste(editor.doc, editor.session.view, PasteData{bytes, pairStarts});
        EXPECT_EQ(outcome.written, written);
        EXPECT_EQ(outcome.offered, static_cast<int32_t>(bytes.size()));
        Bytes expected(256, 0xEE);
        std::copy_n(bytes.begin(), written, expected.begin() + from);
        EXPECT_EQ(Bytes(editor.doc.data(), editor.doc.data() + 256), expected);
        EXPECT_EQ(editor.doc.cursorOffset, cursor);
        EXPECT_EQ(editor.doc.topOffset, newTop);
        EXPECT_FALSE(SelectedRange(editor.doc).has_value() || editor.doc.nibblePending);

        ASSERT_TRUE(UndoEdit(editor.doc));
        EXPECT_EQ(Bytes(editor.doc.data(), editor.doc.data() + 256), Bytes(256, 0xEE));
        EXPECT_EQ(editor.doc.cursorOffset, from);
        EXPECT_FALSE(editor.doc.modified || UndoEdit(editor.doc)) << "one step";
        ASSERT_TRUE(RedoEdit(editor.doc));
        EXPECT_EQ(editor.doc.cursorOffset, cursor) << "the cursor's move is part of the step";
    }
    Editor past;
    past.at(192, 4, 0);  // byte 256
    EXPECT_EQ(WritePaste(past.doc, past.session.view, {{1}, {}}).refusal, PasteRefusal::PastTheData);
    EXPECT_FALSE(past.doc.modified);
}

}  // namespace
}  // namespace zarvo
