#include "tiles/sheet_paint.h"

#include "tiles/rgb565.h"
#include "tiles/sheet_colours.h"
#include "tiles/tile_document.h"
#include "tiles/tile_palette.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarvo {
namespace {

using testing::TileDocument;

TEST(TilePalette, ShiftWrapsRoundTheStandardPalette)
{
    const struct {
        int32_t shift;
        int32_t index;
        uint16_t colour;
    } cases[] = {
        {16, 0, 0x0000},       {16, 1, 0x10A2},                          // the shift moves index 1 onto entry 17
        {0, 29, 0xCE59},       {-1, 1, 0x0000},        {-2, 1, 0x0000},  // entries 0 and 255
        {-3, 2, 0x0000},       {-254, 1, 0x0555},                        // -254 = +2 mod 256: entry 3
        {256 + 16, 1, 0x10A2}, {INT32_MIN, 1, 0x0015},                   // INT32_MIN is a whole number of turns
        {0, 247, 0x2988},      {0, 248, 0x0000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColourOfIndex(StandardPalette(), c.index, c.shift), c.colour) << c.shift << " " << c.index;
    }
}

TEST(TilePalette, NesAndZstChoices)
{
    EXPECT_EQ(NesPalette()[0], 0x8410);
    EXPECT_EQ(NesPalette()[0x20], 0xFFFF);
    EXPECT_EQ(NesPalette()[63], 0x1082);
    for (int index = 64; index < 256; ++index) EXPECT_EQ(NesPalette()[index], 0) << index;

    DocRecord doc = TileDocument(std::vector<uint8_t>(100, 0));
    TileSession tiles;
    SelectColorType(tiles, 1);
    EXPECT_EQ(&PaletteInUse(tiles, doc), &StandardPalette());  // no savestate palette yet
    doc.savestatePalette.emplace();
    doc.savestatePalette->fill(0x1234);
    EXPECT_EQ(PaletteInUse(tiles, doc)[5], 0x1234);
    SelectColorType(tiles, 2);
    EXPECT_EQ(&PaletteInUse(tiles, doc), &NesPalette());
    SelectColorType(tiles, 3);  // no such item
    EXPECT_EQ(tiles.palette, TilePalette::Nes);
}

TEST(Rgb565, ChannelsRepeatTheirTopBits)
{
    EXPECT_EQ(Rgb565ToRgb888(0xFFFF), 0xFFFFFFu);
    EXPECT_EQ(Rgb565ToRgb888(0xF800), 0xFF0000u);
    EXPECT_EQ(Rgb565ToRgb888(0x07E0), 0x00FF00u);
    EXPECT_EQ(Rgb565ToRgb888(0x001F), 0x0000FFu);
    EXPECT_EQ(Rgb565ToRgb888(0x8410), 0x848284u);  // red 16, green 32, blue 16
    EXPECT_EQ(Rgb565ToRgb888(0x0015), 0x0000ADu);  // blue 21: 10101 -> 10101101
    for (uint32_t colour = 0; colour < 0x10000; ++colour) {
        const uint32_t rgb = Rgb565ToRgb888(static_cast<uint16_t>(colour));
        ASSERT_EQ(Rgb888ToRgb565(rgb), static_cast<uint16_t>(colour));
        if ((rgb & 0xFF) != 0xFF) {
            ASSERT_FALSE(Rgb888ToRgb565(rgb + 1).has_value()) << std::hex << rgb;
        }
    }
}

TEST(SheetColours, LowestIndexOfTheFormatWins)
{
    const SheetColourMatch fourBits(StandardPalette(), 0, 15);
    EXPECT_EQ(fourBits.indexOf(0x000000), 0);  // entries 0 and 16 are both black
    EXPECT_EQ(fourBits.indexOf(0xFFFFFF), 15);
    EXPECT_EQ(fourBits.indexOf(Rgb565ToRgb888(0x10A2)), std::nullopt);  // entry 17: past the format
    const SheetColourMatch shifted(StandardPalette(), 16, 15);
    EXPECT_EQ(shifted.indexOf(Rgb565ToRgb888(0x10A2)), 1);
    const SheetColourMatch oneBit(StandardPalette(), 0, 1);
    EXPECT_EQ(oneBit.indexOf(Rgb565ToRgb888(0x0540)), std::nullopt);

    std::vector<uint32_t> picture(128 * 128, 0xFF000000);
    picture[3 * 128 + 70] = 0xFF0000AD;
    picture[5 * 128 + 2] = 0x800000AD;  // not opaque
    SheetIndexes indexes{};
    auto bad = MatchSheetColours(std::span<const uint32_t, 128 * 128>(picture.data(), 128 * 128), oneBit, indexes);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->x, 2);
    EXPECT_EQ(bad->y, 5);
    picture[5 * 128 + 2] = 0xFF000000;
    bad = MatchSheetColours(std::span<const uint32_t, 128 * 128>(picture.data(), 128 * 128), oneBit, indexes);
    EXPECT_FALSE(bad.has_value());
    EXPECT_EQ(indexes[3 * 128 + 70], 1);
    EXPECT_EQ(indexes[3 * 128 + 71], 0);
}

struct PaintedSheet {
    TileSession tiles;
    DocRecord doc = TileDocument(std::vector<uint8_t>(100, 0));
    SheetBitmap bitmap{};

    PaintedSheet()
    {
        for (int i = 0; i < 128 * 256; ++i) tiles.sheet[i] = static_cast<uint8_t>(i * 7 + i / 128);
    }
    uint16_t at(int x, int y)
    {
        PaintSheet(tiles, doc, bitmap);
        return bitmap[y * 128 + x];
    }
    [[nodiscard]] uint8_t index(int x, int y) const { return tiles.sheet[y * 128 + x]; }
};

TEST(SheetPaint, GridRawViewAndCursorFrame)
{
    PaintedSheet sheet;
    sheet.tiles.colourShift = 3;
    EXPECT_EQ(sheet.at(5, 9), StandardPalette()[(sheet.index(5, 9) + 3) % 256]);
    sheet.tiles.gridShown = true;
    EXPECT_EQ(sheet.at(16, 9), kGridColour);
    EXPECT_EQ(sheet.at(5, 120), kGridColour);
    EXPECT_EQ(sheet.at(5, 9), StandardPalette()[(sheet.index(5, 9) + 3) % 256]);

    sheet.tiles.gridShown = false;
    sheet.doc.tileView.rawView = 1;
    EXPECT_EQ(sheet.at(5, 9), sheet.index(6, 9) * 256 + sheet.index(5, 9));
    EXPECT_EQ(sheet.at(127, 9), sheet.index(0, 10) * 256 + sheet.index(127, 9));
    EXPECT_EQ(sheet.at(127, 127), sheet.index(0, 128) * 256 + sheet.index(127, 127));

    // Grid mode: cell (2, 1), two cells wide and one high: pixels 16..31 by 8..15.
    sheet.doc.tileView.rawView = 0;
    sheet.doc.tileView = {.cursorColumn = 2, .cursorRow = 1, .cursorWidth = 2, .cursorHeight = 1, .cursorShown = 1};
    for (const auto& [x, y] : {std::pair{16, 8}, {31, 8}, {16, 15}, {31, 15}, {20, 8}, {16, 12}, {31, 12}}) {
        EXPECT_EQ(sheet.at(x, y), kCursorFrameColour) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{20, 12}, {15, 8}, {32, 8}, {16, 16}}) {
        EXPECT_EQ(sheet.at(x, y), StandardPalette()[(sheet.index(x, y) + 3) % 256]) << x << "," << y;
    }
    sheet.tiles.freeMovement = true;  // the same cursor counts pixels now
    EXPECT_EQ(sheet.at(2, 1), kCursorFrameColour);
    EXPECT_EQ(sheet.at(17, 8), kCursorFrameColour);
}

TEST(SheetPaint, PaletteBoxShowsShiftedEntries)
{
    TileSession tiles;
    const DocRecord doc = TileDocument(std::vector<uint8_t>(100, 0));
    tiles.colourShift = 16;
    const auto cells = PaintPaletteBox(tiles, doc);
    EXPECT_EQ(cells[1], 0x10A2);
    EXPECT_EQ(cells[16 * 15 + 15], StandardPalette()[15]);  // 255 + 16 wraps to 15
}

}  // namespace
}  // namespace zarvo
