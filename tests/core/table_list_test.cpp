// The table editor's list: lines shown as text and saved back byte for byte, the
// character grid's codes, sorting, and the table file read and written line by line.

#include "core/shift_jis_grid.h"
#include "core/shift_jis_line.h"
#include "core/table_list_file.h"
#include "core/table_list_text.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::TempFolder;
using namespace std::string_literals;

TEST(TableLine, ShiftJisLinesDecodeToTheirCharacters)
{
    const Cp932Codec codec;
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"8140=\x82\xA0", u"8140=\u3042"},    // hiragana a
        {"A0=\xB1\xB2", u"A0=\uFF71\uFF72"},  // half-width katakana
        {"8145=\x81\x45", u"8145=\u30FB"},    // the middle dot is a character of its own
        {"5C=\\", u"5C=\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeTableLine(codec, c.bytes), c.text) << c.bytes;
        EXPECT_EQ(EncodeTableLine(codec, c.text), c.bytes) << c.bytes;
    }
}

TEST(TableLine, EveryByteStringComesBackUnchanged)
{
    const Cp932Codec codec;
    const std::vector<std::string> lines = {
        "E9=\xE9",                  // a Latin-1 letter is a lead byte without a partner
        "80=\x80\xA0\xFD\xFE\xFF",  // bytes that start no character
        "81=\x81 x",                // a lead byte before a blank
        "ED40=\xED\x40",            // a code whose character is written back as FA5C
        "8140=\x81\x40\x82",        // a line ending in half a character
        "\x01\t\x7F",
    };
    for (const std::string& line : lines) {
        EXPECT_EQ(EncodeTableLine(codec, DecodeTableLine(codec, line)), line) << line;
    }
    // Every pair of bytes, as a whole line.
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; second += 7) {
            const std::string line{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(EncodeTableLine(codec, DecodeTableLine(codec, line)), line) << first << ' ' << second;
        }
    }
}

TEST(TableLine, CharactersWithoutShiftJisCodeBecomeQuestionMarks)
{
    const Cp932Codec codec;
    EXPECT_EQ(EncodeTableLine(codec, u"E9=\u00E9"), "E9=?");
    EXPECT_EQ(EncodeTableLine(codec, u"x\U0001F600y"), "x?y");
}

TEST(ShiftJisGrid, CellsStartAtTheScrollPositionWithoutItsLowBits)
{
    EXPECT_EQ(GridFirstCode(kGridScrollMin), 0x8000);
    EXPECT_EQ(GridFirstCode(0x8147), 0x8140);
    EXPECT_EQ(GridCellCode(kHiraganaCode, 0, 0), 0x82A0);
    EXPECT_EQ(GridCellCode(kHiraganaCode, 15, 0), 0x82AF);
    EXPECT_EQ(GridCellCode(kHiraganaCode, 1, 1), 0x82B1);
    EXPECT_EQ(GridCellCode(kGridScrollMax, kGridColumns - 1, kGridRows - 1), 0xFFFF);
}

TEST(ShiftJisGrid, CellsShowOneCharacterOrTheMiddleDot)
{
    const Cp932Codec codec;
    struct Case {
        uint16_t code;
        char16_t shown;
        std::string picked;
    };
    const Case cases[] = {
        {0x82A0, u'\u3042', "\x82\xA0"},                                   // hiragana a
        {0x8340, u'\u30A1', "\x83\x40"},                                   // small katakana a
        {0x8260, u'\uFF21', "\x82\x60"},                                   // full-width A
        {0x8140, u'\u3000', "\x81\x40"}, {0x8145, u'\u30FB', "\x81\x40"},  // the dot itself is picked as a blank
        {0x8000, u'\u30FB', "\x81\x40"},                                   // no lead byte: two characters
        {0x81FF, u'\u30FB', "\x81\x40"},                                   // invalid second byte
        {0x4142, u'\u30FB', "\x81\x40"},                                   // "AB"
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridCellCharacter(codec, c.code), c.shown) << std::hex << c.code;
        EXPECT_EQ(GridPickBytes(codec, c.code), c.picked) << std::hex << c.code;
    }
}

TEST(TableListText, SortIgnoresCaseAndKeepsEqualLinesInOrder)
{
    std::vector<std::string> lines = {"b=2", "a=x", "C=3", "A=X", "/FE", "8140=x", "0A=y", "A=0"};
    SortTableLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"/FE", "0A=y", "8140=x", "A=0", "a=x", "A=X", "b=2", "C=3"}));
}

TEST(TableListText, SavedNamesGetTheTableExtensionWhenTheyHaveNone)
{
    EXPECT_EQ(WithDefaultExtension("/roms/new", "tbl"), "/roms/new.tbl");
    EXPECT_EQ(WithDefaultExtension("/roms.old/new", "tbl"), "/roms.old/new.tbl");
    EXPECT_EQ(WithDefaultExtension("/roms/new.TBL", "tbl"), "/roms/new.TBL");
    EXPECT_EQ(WithDefaultExtension("/roms/new.txt", "tbl"), "/roms/new.txt");
}

TEST(TableListFile, LinesEndInLfOrCrLf)
{
    EXPECT_EQ(SplitTableFileLines("41=A\r\n42=B\n\n/FF"), (std::vector<std::string>{"41=A", "42=B", "", "/FF"}));
    EXPECT_EQ(SplitTableFileLines("41=A\n"), std::vector<std::string>{"41=A"});
    EXPECT_EQ(SplitTableFileLines("\n"), std::vector<std::string>{""});
    EXPECT_TRUE(SplitTableFileLines("").empty());
    EXPECT_EQ(TableFileContent({"41=A", "", "8140=\x82\xA0"}), "41=A\n\n8140=\x82\xA0\n");
}

TEST(TableListFile, SavedListReadsBackLineForLine)
{
    TempFolder folder;
    const std::string path = folder.file("new.tbl");
    const std::vector<std::string> lines = {"41=A", "8140=\x82\xA0", ".code $80 \"[END]\"", "", "E9=\xE9"};
    ASSERT_EQ(WriteTableListFile(path, lines), SaveError::None);
    EXPECT_EQ(testing::ReadText(path), TableFileContent(lines));
    EXPECT_EQ(ReadTableListFile(path), lines);

    EXPECT_EQ(ReadTableListFile(folder.file("missing.tbl")), std::nullopt);
    EXPECT_EQ(ReadTableListFile(folder.path().string()), std::nullopt);
}

}  // namespace
}  // namespace zarvo
