#include "view/row_layout.h"

#include "support/document_builder.h"
#include "view/edit_harness.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace zarvo {
namespace {

using Lines = std::vector<std::string>;
using testing::FixedPitch;

constexpr const char* kCellKinds[] = {"OffsetBlank", "Offset",  "OffsetGap", "Hex",
                                      "HexFill",     "TextGap", "Text",      "TextFill"};
constexpr const char* kTextKinds[] = {"None",     "OneChar", "TwoChar",  "OtherLength", "Pair",
                                      "LineMark", "EndMark", "Unmapped", "Blank"};

// "Kind[:TextKind] 'text' xX wW TEXT/BACK[ @byte][ u]"
std::string Describe(const ViewCell& cell)
{
    std::string kind = kCellKinds[static_cast<int>(cell.kind)];
    if (cell.kind == CellKind::Text) {
        kind = kind + ":" + kTextKinds[static_cast<int>(cell.textKind)];
    }
    char line[160];
    std::snprintf(line, sizeof line, "%s '%s' x%d w%d %06X/%06X", kind.c_str(), cell.text.c_str(), cell.x, cell.width,
                  cell.colours.text, cell.colours.back);
    std::string text = line;
    text += cell.byteOffset >= 0 ? " @" + std::to_string(cell.byteOffset) : "";
    text += cell.trailingBlank > 0 ? " +" + std::to_string(cell.trailingBlank) : "";
    return text + (cell.unicode ? " u" : "");
}

Lines Describe(const RowLayout& layout, std::optional<CellKind> only = std::nullopt)
{
    Lines lines;
    for (const ViewCell& cell : layout.cells) {
        if (!only || cell.kind == *only) {
            lines.push_back(Describe(cell));
        }
    }
    return lines;
}

// "'text' rowR xX HIGH/HIGH low LOW/LOW[ shown][ u]", or "none".
std::string DescribeBlink(const RowLayout& layout)
{
    if (!layout.blink) {
        return "none";
    }
    const BlinkCell& b = *layout.blink;
    char line[160];
    std::snprintf(line, sizeof line, "'%s' row%d x%d %06X/%06X low %06X/%06X%s%s", b.text.c_str(), b.row, b.x,
                  b.highText, b.highBack, b.lowText, b.lowBack, b.phase ? " shown" : "", b.unicode ? " u" : "");
    return line;
}

class RowLayoutTest : public ::testing::Test {
protected:
    RowLayoutTest()
    {
        request.bytesPerRow = 4;
        request.clientWidth = 300;
    }

    // Lays out bytes; the buffer's limit is the vector's size unless given.
    RowLayout LayOut(std::vector<uint8_t> data, int32_t limit = -1)
    {
        bytes = std::move(data);
        request.data = bytes.data();
        request.limit = limit < 0 ? static_cast<int32_t>(bytes.size()) : limit;
        RowLayout out;
        LayOutRow(request, table, colours, measure, out);
        return out;
    }

    void PutCursor(int column, bool textMode)
    {
        request.row = request.cursorRow = 2;
        request.cursorColumn = column;
        request.textMode = textMode;
    }

    std::vector<uint8_t> bytes;
    TableData table = testing::TableFrom("41=A\n60=th\n70=\n71=word\n8140=you\n/FE\n*FF\n");
    ColorTable colours = LoadColors();
    FixedPitch measure;
    RowRequest request;
};

TEST_F(RowLayoutTest, PlacesEveryCellAtTheMeasuredWidths)
{
    request.bytesPerRow = 3;
    EXPECT_EQ(Describe(LayOut({0x41, 0x0A, 0xC3})),
              (Lines{"OffsetBlank '        ' x14 w64 FFFFFF/000000", "Offset '00000000' x14 w64 FFFFFF/000000",
                     "OffsetGap '  ' x78 w16 FFFFFF/000000", "Hex '41' x94 w16 FFFFFF/000000 @0 +8",
                     "Hex '0A' x118 w16 808000/000000 @1 +8", "Hex 'C3' x142 w16 FFFFFF/000000 @2 +8",
                     "HexFill '' x166 w134 FFFFFF/000000", "TextGap '  ' x166 w16 FFFFFF/000000",
                     "Text:OneChar 'A' x174 w8 808000/000000 @0", "Text:Unmapped '.' x182 w8 808000/000000 @1",
                     "Text:Unmapped '.' x190 w8 808000/000000 @2", "TextFill '' x198 w102 808000/000000"}));

    request.spacedHex = false;
    request.rowOffset = 0x8000;
    request.offsetMode = OffsetMode::LoRomFast;
    std::vector<uint8_t> data(0x8003);
    data[0x8000] = 0x41;
    const RowLayout unspaced = LayOut(data);
    EXPECT_EQ(Describe(unspaced, CellKind::Offset), Lines{"Offset '00818000' x14 w64 FFFFFF/000000"});
    EXPECT_EQ(Describe(unspaced, CellKind::HexFill), Lines{"HexFill '' x142 w158 FFFFFF/000000"});
    EXPECT_EQ(Describe(unspaced, CellKind::Text)[2], "Text:Unmapped '.' x166 w8 808000/000000 @32770");
    EXPECT_EQ(Describe(unspaced, CellKind::Hex)[0], "Hex '41' x94 w16 FFFFFF/000000 @32768");
}

TEST_F(RowLayoutTest, TextCellsTakeTheirKindAndColoursFromTheTable)
{
    request.bytesPerRow = 8;
    request.spacedHex = false;
    const Lines plain = {
        "Text:OneChar 'A' x230 w8 808000/000000 @0",    "Text:TwoChar 'th' x238 w16 0000FF/000000 @1",
        "Text:OtherLength '' x254 w0 00FFFF/000000 @2", "Text:OtherLength 'word' x254 w32 00FFFF/000000 @3",
        "Text:LineMark '/' x286 w8 FFFFFF/000000 @4",   "Text:EndMark '*' x294 w8 00FFFF/000000 @5",
        "Text:Unmapped '.' x302 w8 808000/000000 @6",   "Text:Unmapped '.' x310 w8 808000/000000 @7",
    };
    // Without the cursor, then with the cursor on each column (hex input): only that cell turns grey.
    for (int cursor = -1; cursor < 8; ++cursor) {
        PutCursor(cursor, false);
        Lines expected = plain;
        if (cursor >= 0) {
            expected[cursor].replace(expected[cursor].find("/000000"), 7, "/808080");
        }
        EXPECT_EQ(Describe(LayOut({0x41, 0x60, 0x70, 0x71, 0xFE, 0xFF, 0x00, 0x81}), CellKind::Text), expected)
            << "cursor " << cursor;
    }
}

TEST_F(RowLayoutTest, LineMarkWinsOverEndMarkAndAnEntryOverBoth)
{
    request.bytesPerRow = 1;
    table.endCode = 0xFE;
    EXPECT_EQ(RowText(LayOut({0xFE})), "/");
    table.lineMark = 0;
    table.endMark = '\\';
    EXPECT_EQ(Describe(LayOut({0xFE}), CellKind::Text), Lines{"Text:EndMark '\\' x126 w8 00FFFF/000000 @0"});
    table.singleText[0xFE] = "E";
    EXPECT_EQ(RowText(LayOut({0xFE})), "E");
}

TEST_F(RowLayoutTest, PairEntriesSpanTwoColumnsButNeverTheRowEnd)
{
    request.bytesPerRow = 6;
    // The last column's 81 is followed by 40 in the next row: no pair.
    EXPECT_EQ(Describe(LayOut({0x00, 0x81, 0x40, 0x81, 0x40, 0x81, 0x40}), CellKind::Text),
              (Lines{"Text:Unmapped '.' x246 w8 808000/000000 @0", "Text:Pair 'you' x254 w24 FFFFFF/000000 @1",
                     "Text:Pair 'you' x278 w24 FFFFFF/000000 @3", "Text:Unmapped '.' x302 w8 808000/000000 @5"}));
    table.singleText[0x81] = "X";
    EXPECT_EQ(RowText(LayOut({0x00, 0x81, 0x40, 0x81, 0x40, 0x81, 0x40})), ".youyouX");
    // A pair needs its second byte inside the buffer, whatever lies beyond.
    EXPECT_EQ(RowText(LayOut({0x00, 0x81, 0x40, 0x40}, 2)), ".X");
}

// The cursor's cell blinks in the column of the input mode, where either column of a
// pair puts the pair under the cursor; the hex cell keeps its cursor colours in both.
TEST_F(RowLayoutTest, CursorCellBlinksInTheColumnOfTheInputMode)
{
    request.bytesPerRow = 8;
    const std::tuple<bool, int, const char*> cases[] = {
        {false, 0, "'41' row2 x94 FFFFFF/808080 low FFFFFF/000000 shown"},
        {false, 1, "'60' row2 x118 FFFFFF/808080 low 808000/000000 shown"},
        {true, 0, "'A' row2 x294 808000/808080 low 808000/000000 shown"},
        {true, 1, "'th' row2 x302 0000FF/808080 low 0000FF/000000 shown"},
        {true, 2, "'/' row2 x318 FFFFFF/808080 low FFFFFF/000000 shown"},
        {true, 3, "'*' row2 x326 00FFFF/808080 low 00FFFF/000000 shown"},
        {true, 4, "'you' row2 x334 FFFFFF/808080 low FFFFFF/000000 shown"},
        {true, 5, "'you' row2 x334 FFFFFF/808080 low FFFFFF/000000 shown"},
        {true, 6, "'word' row2 x358 00FFFF/808080 low 00FFFF/000000 shown"},
        {true, 7, "'.' row2 x390 808000/808080 low 808000/000000 shown"},
    };
    const std::vector<uint8_t> bytes = {0x41, 0x60, 0xFE, 0xFF, 0x81, 0x40, 0x71, 0x00};
    for (const auto& [textMode, column, blink] : cases) {
        PutCursor(column, textMode);
        const RowLayout layout = LayOut(bytes);
        EXPECT_EQ(DescribeBlink(layout), blink);
        EXPECT_NE(Describe(layout, CellKind::Hex)[column].find("FFFFFF/808080"), std::string::npos) << column;
        if (!textMode) {  // the offset of the cursor's row is shown in the cursor's colours
            const Lines cells = Describe(layout);
            EXPECT_EQ(Lines(cells.begin(), cells.begin() + 3),
                      (Lines{"OffsetBlank '        ' x14 w64 FFFFFF/808080", "Offset '00000000' x14 w64 FFFFFF/808080",
                             "OffsetGap '  ' x78 w16 FFFFFF/000000"}));
        }
    }
    request.cursorRow = 3;
    EXPECT_EQ(DescribeBlink(LayOut(bytes)), "none");
}

// Selected bytes 2 .. 4, the cursor on byte 3: a pair with one selected byte is selected.
TEST_F(RowLayoutTest, SelectedBytesTakeTheSelectionColoursInBothColumnsAndTheCursorKeepsItsOwn)
{
    request.bytesPerRow = 6;
    request.selection = ByteRange{2, 4};
    PutCursor(3, false);
    const RowLayout layout = LayOut({0x41, 0x81, 0x40, 0xFE, 0x00, 0x41});
    EXPECT_EQ(Describe(layout, CellKind::Hex),
              (Lines{"Hex '41' x94 w16 FFFFFF/000000 @0 +8", "Hex '81' x118 w16 808000/000000 @1 +8",
                     "Hex '40' x142 w16 FFFFFF/800000 @2 +8", "Hex 'FE' x166 w16 FFFFFF/808080 @3 +8",
                     "Hex '00' x190 w16 FFFFFF/800000 @4 +8", "Hex '41' x214 w16 808000/000000 @5 +8"}));
    std::vector<ColourRef> blanks;
    for (const ViewCell& cell : layout.cells) {
        if (cell.kind == CellKind::Hex) blanks.push_back(cell.trailingBack);
    }
    EXPECT_EQ(blanks, (std::vector<ColourRef>{kBlack, kBlack, kNavy, kNavy, kBlack, kBlack}));
    EXPECT_EQ(Describe(layout, CellKind::Text),
              (Lines{"Text:OneChar 'A' x246 w8 808000/000000 @0", "Text:Pair 'you' x254 w24 FFFFFF/800000 @1",
                     "Text:LineMark '/' x278 w8 FFFFFF/808080 @3", "Text:Unmapped '.' x286 w8 FFFFFF/800000 @4",
                     "Text:OneChar 'A' x294 w8 808000/000000 @5"}));
    // The cursor cell blinks to the selection's colours.
    EXPECT_EQ(DescribeBlink(layout), "'FE' row2 x166 FFFFFF/808080 low FFFFFF/800000 shown");
}

TEST_F(RowLayoutTest, CellsPastTheBufferAreBlank)
{
    request.rowOffset = 4;
    const std::vector<uint8_t> data = {0, 0, 0, 0, 0x41, 0x81, 0x40, 0x41};
    RowLayout layout = LayOut(data, 6);
    EXPECT_EQ(Describe(layout, CellKind::Hex),
              (Lines{"Hex '41' x94 w16 FFFFFF/000000 @4 +8", "Hex '81' x118 w16 808000/000000 @5 +8",
                     "Hex '  ' x142 w16 FFFFFF/000000 +8", "Hex '  ' x166 w16 808000/000000 +8"}));
    EXPECT_EQ(Describe(layout, CellKind::Text),
              (Lines{"Text:OneChar 'A' x198 w8 808000/000000 @4", "Text:Unmapped '.' x206 w8 808000/000000 @5",
                     "Text:Blank ' ' x214 w8 808000/000000", "Text:Blank ' ' x222 w8 808000/000000"}));
    EXPECT_EQ(RowText(layout), "A.");

    request.rowOffset = 8;
    layout = LayOut(data, 6);
    EXPECT_EQ(Describe(layout, CellKind::Offset), Lines{"Offset '00000008' x14 w64 FFFFFF/000000"});
    EXPECT_EQ(Describe(layout, CellKind::Hex)[3], "Hex '  ' x166 w16 808000/000000 +8");
    EXPECT_EQ(RowText(layout), "");
}

// A 1-byte file in its longer view buffer: bytes 1 to 3 lie past its end, byte 2 changed.
TEST_F(RowLayoutTest, BytesPastTheFileEndAreDimmedUnlessChangedOrUnderTheCursor)
{
    request.fileEnd = 1;
    ChangeMarks changes;
    const uint8_t before = 0;
    changes.noteWrite(2, 1, &before);
    request.changes = &changes;
    PutCursor(3, false);
    const RowLayout layout = LayOut({0x41, 0x81, 0x40, 0x41});
    EXPECT_EQ(Describe(layout, CellKind::Hex),
              (Lines{"Hex '41' x94 w16 FFFFFF/000000 @0 +8", "Hex '81' x118 w16 505050/000000 @1 +8",
                     "Hex '40' x142 w16 0080FF/000000 @2 +8", "Hex '41' x166 w16 FFFFFF/808080 @3 +8"}));
    EXPECT_EQ(Describe(layout, CellKind::Text),
              (Lines{"Text:OneChar 'A' x198 w8 808000/000000 @0", "Text:Pair 'you' x206 w24 505050/000000 @1",
                     "Text:OneChar 'A' x230 w8 808000/808080 @3"}));
    EXPECT_EQ(DescribeBlink(layout), "'41' row2 x166 FFFFFF/808080 low 505050/000000 shown");
}

TEST_F(RowLayoutTest, UnicodeViewMeasuresTextCellsThroughTheKanaFont)
{
    request.bytesPerRow = 3;
    request.unicodeView = true;
    PairSlot(table, 0x82A0) = "\x82\xA0";
    PutCursor(1, true);
    const RowLayout layout = LayOut({0x82, 0xA0, 0x41});
    EXPECT_EQ(Describe(layout, CellKind::Text), (Lines{"Text:Pair '\x82\xA0' x174 w32 FFFFFF/808080 @0 u",
                                                       "Text:OneChar 'A' x206 w16 808000/000000 @2 u"}));
    EXPECT_EQ(Describe(layout, CellKind::TextFill), Lines{"TextFill '' x222 w78 808000/000000"});
    EXPECT_EQ(Describe(layout, CellKind::Hex)[2], "Hex '41' x142 w16 FFFFFF/000000 @2 +8");
    EXPECT_EQ(DescribeBlink(layout), "'\x82\xA0' row2 x174 FFFFFF/808080 low FFFFFF/000000 shown u");
}

TEST_F(RowLayoutTest, ReusedLayoutHoldsOnlyTheNewRow)
{
    request.bytesPerRow = 8;
    PutCursor(3, false);
    RowLayout reused = LayOut({0x81, 0x40, 0x71, 0x71, 0x71, 0x71, 0x71, 0x71});
    request.bytesPerRow = 2;
    request.cursorRow = -1;
    const RowLayout fresh = LayOut({0x41, 0x00});
    LayOutRow(request, table, colours, measure, reused);
    EXPECT_EQ(Describe(reused), Describe(fresh));
    EXPECT_EQ(DescribeBlink(reused), "none");
}

}  // namespace
}  // namespace zarvo
