#include "view/text_input.h"

#include "core/hex_text.h"
#include "core/table_loader.h"
#include "view/edit_harness.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

using testing::Editor;

std::string Hex(const uint8_t* bytes, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += (i == 0 ? "" : " ") + FormatHex(bytes[i], 2);
    return text;
}

struct HexCase {
    const char* strokes;
    const char* bytes;  // bytes 0x20 and 0x21 afterwards
    int32_t cursor;     // cursorOffset afterwards
    bool pending;       // a first digit is waiting
};

// The cursor starts on byte 0x20; every byte is 0x00.
TEST(HexInput, TwoDigitsMakeAByteAndOtherKeysCancelAFirstDigit)
{
    const HexCase cases[] = {
        {"4 1", "41 00", 0x21, false},         {"a f", "AF 00", 0x21, false},
        {"4 1 4 2", "41 42", 0x22, false},     {"4", "00 00", 0x20, true},
        {"4 Right 1", "00 00", 0x21, true},   // 1 is a new first digit
        {"4 Shift 1", "41 00", 0x21, false},  // a modifier on its own keeps the digit
        {"4 G 1", "00 00", 0x20, true},        {"4 Shift 1 Shift 2", "41 00", 0x21, true},
        {"4 Tab Tab 1", "41 00", 0x21, false},  // switching the input mode keeps the digit
    };
    for (const HexCase& c : cases) {
        SCOPED_TRACE(c.strokes);
        Editor editor;
        editor.at(0, 2, 0);
        editor.run(c.strokes);
        EXPECT_EQ(Hex(editor.doc.data() + 0x20, 2), c.bytes);
        EXPECT_EQ(editor.doc.cursorOffset, c.cursor);
        EXPECT_EQ(editor.doc.nibblePending, c.pending);
        EXPECT_EQ(editor.doc.modified, std::string(c.bytes) != "00 00");
    }
}

TEST(HexInput, TheSecondDigitOnTheLastCellOfThePageScrolls)
{
    Editor editor;
    editor.at(0, 3, 15);
    const EditResult result = editor.run("7 E");
    EXPECT_EQ(editor.byte(0x3F), 0x7E);
    EXPECT_EQ(editor.doc.topOffset, 16);
    EXPECT_EQ(editor.doc.cursorRow, 3);
    EXPECT_EQ(editor.doc.cursorColumn, 0);
    EXPECT_EQ(result.repaint, Repaint::Full);
}

// A text-input document whose table is given as table-file lines.
Editor TextEditor(const char* tableLines)
{
    Editor editor;
    ParseTableText(editor.doc.table, editor.session.tables, tableLines);
    editor.doc.textMode = true;
    return editor;
}

struct TextCase {
    const char* table;
    bool singleByteOnly;  // D_MBE
    bool dte;             // D_DTE
    const char* around;   // the byte before the cursor, the cursor byte and the one after
    const char* strokes;
    const char* after;
    int moved;  // bytes the cursor moved
};

constexpr const char* kDte = "41=A\n42=B\n90=AB\n";

// The cursor is on byte 0x2F, the last of row 2.
TEST(TextInput, TypedCharactersBecomeTableBytes)
{
    const TextCase cases[] = {
        {"81=A\n80=A\n", false, false, "00 00 00", "A", "00 80 00", 1},    // the lowest byte
        {"30=1\n31=2\n", false, false, "00 00 00", "1 2", "00 30 31", 2},  // digits are text here
        {"41=A\n", false, false, "00 00 00", "Q", "00 00 00", 0},          // no entry
        {"8140=A\n", false, false, "00 00 00", "A", "00 81 40", 2},        // a pair, across the row end
        {"8140=A\n", true, false, "00 00 00", "A", "00 00 00", 0},         // 16-bit input off
        {"8140=A\n41=A\n", true, false, "00 00 00", "A", "00 41 00", 1},
        {kDte, false, true, "41 00 00", "B", "90 42 00", 1},   // joined with the character before
        {kDte, false, true, "00 00 42", "A", "00 90 42", 1},   // with the character after
        {kDte, false, true, "41 00 42", "B", "90 42 42", 1},   // the one before wins
        {kDte, false, true, "42 00 41", "B", "42 42 41", 1},   // no DTE byte for either
        {kDte, false, false, "41 00 00", "B", "41 42 00", 1},  // DTE inserting off
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.table << c.around << " + " << c.strokes);
        Editor editor = TextEditor(c.table);
        editor.session.input.D_MBE = c.singleByteOnly;
        editor.session.input.D_DTE = c.dte;
        for (int i = 0; i < 3; ++i)
            editor.byte(0x2E + i) = static_cast<uint8_t>(std::stoi(c.around + i * 3, nullptr, 16));
        editor.at(0, 2, 15);
        editor.run(c.strokes);
        EXPECT_EQ(Hex(editor.doc.data() + 0x2E, 3), c.after);
        EXPECT_EQ(editor.doc.cursorOffset, 0x2F + c.moved);
        EXPECT_EQ(editor.doc.modified, c.moved > 0);
    }
}

TEST(TextInput, NothingIsWrittenAtOrPastTheEnd)
{
    // A window of 6 rows over a page of 4 at the end: rows 4 and 5 lie past the end.
    Editor hex(256, 6, 4);
    hex.at(192, 4, 0);
    hex.run("4 1");
    EXPECT_FALSE(hex.doc.modified);
    hex.at(192, 3, 15);  // the last byte
    hex.run("4 1");
    EXPECT_EQ(hex.byte(255), 0x41);

    Editor pair = TextEditor("8140=A\n");
    pair.at(192, 3, 15);
    pair.run("A");
    EXPECT_FALSE(pair.doc.modified);
}

TEST(TextInput, DteInsertingAtOffsetZeroNeverWritesBeforeTheData)
{
    // Byte 0 has an entry, so the missing byte before offset 0 reads as a character.
    Editor editor = TextEditor("00=A\n41=A\n42=B\n90=AB\n");
    // A header lies in front of the data, as with a savestate whose header was removed.
    editor.doc.storage = DocumentBytes::Owned(4 + 256);
    editor.doc.headerSize = 4;
    editor.doc.storage.data()[3] = 0x5A;
    editor.session.input.D_DTE = true;
    editor.run("B");
    EXPECT_EQ(editor.doc.storage.data()[3], 0x5A);
    EXPECT_EQ(editor.byte(0), 0x42);
    EXPECT_EQ(editor.doc.cursorOffset, 1);
}

}  // namespace
}  // namespace zarvo
