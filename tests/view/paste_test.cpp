#include "view/paste.h"

#include "core/document_edit.h"
#include "view/edit_harness.h"
#include "view/selection.h"
#include "view/selection_copy.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::Editor;
using Bytes = std::vector<uint8_t>;

struct ReadCase {
    const char* text;
    Bytes bytes;
    PasteRefusal refusal = PasteRefusal::None;
    std::size_t position = 0;
};

TEST(ReadHexPaste, TakesPairsOfDigitsWithBlanksAndLineEndsBetween)
{
    const ReadCase cases[] = {
        {"41 42 43", {0x41, 0x42, 0x43}},
        {"414243", {0x41, 0x42, 0x43}},
        {"\t41\r\n42  43\n", {0x41, 0x42, 0x43}},
        {"ab Cd", {0xAB, 0xCD}},
        {"", {}, PasteRefusal::Empty},
        {" \r\n", {}, PasteRefusal::Empty},
        {"41 4", {}, PasteRefusal::NotHex, 3},
        {"4 1", {}, PasteRefusal::NotHex, 0},
        {"41,42", {}, PasteRefusal::NotHex, 2},
        {"0x41", {}, PasteRefusal::NotHex, 0},
        {"41 G2", {}, PasteRefusal::NotHex, 3},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        const PasteReading reading = ReadHexPaste(c.text);
        EXPECT_EQ(reading.refusal, c.refusal);
        EXPECT_EQ(reading.data.bytes, c.bytes);
        EXPECT_EQ(reading.position, c.position);
    }
}

// Copied hex text, and the same bytes written with any separators, read back as the bytes.
TEST(ReadHexPaste, ReadsBackWhatACopyWritesForRandomBytes)
{
    std::mt19937 random(13);
    const char* separators[] = {" ", "", "\t", "\r\n", "\n", "  "};
    for (int round = 0; round < 200; ++round) {
        Editor editor(512);
        const int count = 1 + static_cast<int>(random() % 512);
        Bytes bytes(static_cast<std::size_t>(count));
        std::string spaced;
        std::string loose;
        char digits[3];
        for (int at = 0; at < count; ++at) {
            bytes[at] = editor.byte(at) = static_cast<uint8_t>(random());
            std::snprintf(digits, sizeof digits, random() % 2 ? "%02X" : "%02x", bytes[at]);
            loose += separators[random() % 6] + std::string(digits);
            std::snprintf(digits, sizeof digits, "%02X", bytes[at]);
            spaced += (at == 0 ? "" : " ") + std::string(digits);
        }
        ASSERT_EQ(HexCopyText(editor.doc, {0, count - 1}), spaced);
        EXPECT_EQ(ReadHexPaste(spaced).data.bytes, bytes);
        EXPECT_EQ(ReadHexPaste(loose).data.bytes, bytes);
    }
}

TEST(ReadTablePaste, WritesEachCharacterAsTypingWould)
{
    TableData table;
    table.singleText[0x41] = "A";
    table.singleText[0x80] = "B";
    table.singleText[0x42] = "B";  // the lowest byte wins
    table.pairText[0x8140] = "\x83\x41";
    const struct {
        std::vector<std::string> characters;
        bool mbe;
        Bytes bytes;
        PasteRefusal refusal;
        std::size_t position;
    } cases[] = {
        {{"A", "B"}, false, {0x41, 0x42}, PasteRefusal::None, 0},
        {{"A", "\r", "\n", "B"}, false, {0x41, 0x42}, PasteRefusal::None, 0},
        {{"A", "\x83\x41", "B"}, false, {0x41, 0x81, 0x40, 0x42}, PasteRefusal::None, 0},
        {{"A", "\x83\x41"}, true, {}, PasteRefusal::NoTableCode, 1},
        {{"A", "Z"}, false, {}, PasteRefusal::NoTableCode, 1},
        {{"A", "", "B"}, false, {}, PasteRefusal::NoTableCode, 1},  // no Shift-JIS code
        {{"\n"}, false, {}, PasteRefusal::Empty, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.characters.size());
        InputSwitches input;
        input.D_MBE = c.mbe;
        const PasteReading reading = ReadTablePaste(table, input, c.characters);
        EXPECT_EQ(reading.refusal, c.refusal);
        EXPECT_EQ(reading.data.bytes, c.bytes);
        EXPECT_EQ(reading.position, c.position);
    }
    const PasteReading pair = ReadTablePaste(table, {}, {"A", "\x83\x41"});
    EXPECT_EQ(pair.data.pairStarts, std::vector<int32_t>{1});
}

struct WriteCase {
    const char* name;
    int32_t top;
    int row, column;
    Bytes bytes;
    std::vector<int32_t> pairStarts;
    int32_t written;
    int32_t cursor;  // afterwards
    int32_t newTop;
};

// 256 bytes of 0xEE, rows of 16, a page of 4 rows.
TEST(WritePaste, OverwritesFromTheCursorAndCutsAtTheEndOfTheData)
{
    const Bytes ten(10, 0x5A);
    const WriteCase cases[] = {
        {"within the page", 0, 1, 0, {1, 2, 3}, {}, 3, 19, 0},
        {"out of the page: the page follows", 0, 3, 12, ten, {}, 10, 70, 16},
        {"cut at the end, the cursor on the last byte", 192, 3, 10, ten, {}, 6, 255, 192},
        {"a two-byte entry is never split", 192, 3, 14, {0x41, 0x81, 0x40}, {1}, 1, 255, 192},
        {"no room for the only entry", 192, 3, 15, {0x81, 0x40}, {0}, 0, 255, 192},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor;
        std::fill_n(editor.doc.data(), 256, 0xEE);
        editor.at(c.top, c.row, c.column);
        const int32_t start = editor.doc.cursorOffset;
        Select(editor.doc, 0, 5);
        editor.doc.nibblePending = true;
        const PasteOutcome outcome = WritePaste(editor.doc, editor.session.view, PasteData{c.bytes, c.pairStarts});
        EXPECT_EQ(outcome.written, c.written);
        EXPECT_EQ(outcome.offered, static_cast<int32_t>(c.bytes.size()));
        EXPECT_EQ(Bytes(editor.doc.data() + start, editor.doc.data() + start + c.written),
                  Bytes(c.bytes.begin(), c.bytes.begin() + c.written));
        if (start + c.written < 256) {
            EXPECT_EQ(editor.doc.data()[start + c.written], 0xEE) << "written past the paste";
        }
        EXPECT_EQ(editor.doc.cursorOffset, c.cursor);
        EXPECT_EQ(editor.doc.topOffset, c.newTop);
        EXPECT_FALSE(SelectedRange(editor.doc).has_value());
        EXPECT_FALSE(editor.doc.nibblePending);
        EXPECT_EQ(editor.doc.modified, c.written > 0);
    }
}

TEST(WritePaste, IsOneUndoStepAndRefusesACursorPastTheData)
{
    Editor editor;
    editor.at(0, 1, 0);
    ASSERT_EQ(WritePaste(editor.doc, editor.session.view, {{7, 8, 9}, {}}).written, 3);
    EXPECT_EQ(editor.doc.cursorOffset, 19);
    ASSERT_TRUE(UndoEdit(editor.doc));
    EXPECT_EQ(Bytes(editor.doc.data() + 16, editor.doc.data() + 19), Bytes(3, 0));
    EXPECT_EQ(editor.doc.cursorOffset, 16);
    EXPECT_FALSE(editor.doc.modified);
    EXPECT_FALSE(UndoEdit(editor.doc)) << "the three bytes were one step";
    ASSERT_TRUE(RedoEdit(editor.doc));
    EXPECT_EQ(editor.doc.data()[18], 9);

    Editor shortFile(250, 5, 4);
    shortFile.at(186, 4, 0);  // byte 250
    const PasteOutcome outcome = WritePaste(shortFile.doc, shortFile.session.view, {{1}, {}});
    EXPECT_EQ(outcome.refusal, PasteRefusal::PastTheData);
    EXPECT_FALSE(shortFile.doc.modified);
}

}  // namespace
}  // namespace zarvo
