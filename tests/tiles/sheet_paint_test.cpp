#include "tiles/sheet_paint.h"

#include "tiles/rgb565.h"
#include "tiles/sheet_colours.h"
#include "tiles/tile_document.h"
#include "tiles/tile_palette.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace zarvo {
namespace {

TEST(TilePalette, ShiftWrapsRoundThePaletteInUse)
{
    // Index i shows entry (i + shift) mod 256 of a palette whose entries all differ.
    TileColours distinct;
    for (int entry = 0; entry < 256; ++entry)
        distinct[static_cast<std::size_t>(entry)] = static_cast<uint16_t>(entry * 257);
    // shift, index, entry shown
    const std::tuple<int32_t, int32_t, int> cases[] = {{16, 0, 16},   {16, 1, 17},          {-2, 1, 255},
                                                       {-254, 1, 3},  {256 + 16, 1, 17},    {INT32_MIN, 1, 1},
                                                       {0, 255, 255}, {INT32_MAX, 255, 254}};
    for (const auto& [shift, index, entry] : cases) {
        EXPECT_EQ(ColourOfIndex(distinct, index, shift), entry * 257) << shift << " " << index;
    }

    DocRecord doc = testing::TileDocument(std::vector<uint8_t>(100, 0));
    TileSession tiles;
    SelectColorType(tiles, 1);
    EXPECT_EQ(&PaletteInUse(tiles, doc), &StandardPalette());  // the ZST item without a savestate palette
    doc.savestatePalette.emplace();
    doc.savestatePalette->fill(0x1234);
    EXPECT_EQ(PaletteInUse(tiles, doc)[5], 0x1234);
    SelectColorType(tiles, 2);
    EXPECT_EQ(&PaletteInUse(tiles, doc), &NesPalette());
}

TEST(TilePalette, ColoursWithEightBitChannelsAndBack)
{
    EXPECT_EQ(Rgb565ToRgb888(0xF800), 0xFF0000u);
    EXPECT_EQ(Rgb565ToRgb888(0x8410), 0x848284u);  // red 16, green 32, blue 16
    EXPECT_EQ(Rgb565ToRgb888(0x0015), 0x0000ADu);  // blue 21: 10101 becomes 10101101
    for (uint32_t colour = 0; colour < 0x10000; ++colour) {
        const uint32_t rgb = Rgb565ToRgb888(static_cast<uint16_t>(colour));
        ASSERT_EQ(Rgb888ToRgb565(rgb), static_cast<uint16_t>(colour));
        ASSERT_TRUE((rgb & 0xFF) == 0xFF || !Rgb888ToRgb565(rgb + 1)) << std::hex << rgb;
    }
    // The lowest index of the format with a colour stands for it.
    const SheetColourMatch fourBits(StandardPalette(), 0, 15);
    EXPECT_EQ(fourBits.indexOf(0x000000), 0);                           // entries 0 and 16 are both black
    EXPECT_EQ(fourBits.indexOf(Rgb565ToRgb888(0x10A2)), std::nullopt);  // entry 17 is past the format
    EXPECT_EQ(SheetColourMatch(StandardPalette(), 16, 15).indexOf(Rgb565ToRgb888(0x10A2)), 1);
    std::vector<uint32_t> picture(128 * 128, 0xFF0000AD);
    picture[5 * 128 + 2] = 0x800000AD;  // not opaque
    SheetIndexes indexes{};
    const auto bad = MatchSheetColours(std::span<const uint32_t, 128 * 128>(picture.data(), picture.size()),
                                       SheetColourMatch(StandardPalette(), 0, 1), indexes);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(std::pair(bad->x, bad->y), std::pair(2, 5));
    EXPECT_EQ(indexes[5 * 128 + 1], 1);
}

TEST(SheetPaint, GridRawViewAndCursorFrame)
{
    TileSession tiles;
    DocRecord doc = testing::TileDocument(std::vector<uint8_t>(100, 0));
    for (int i = 0; i < 128 * 256; ++i) tiles.sheet[i] = static_cast<uint8_t>(i * 7 + i / 128);
    const auto index = [&](int x, int y) { return tiles.sheet[y * 128 + x]; };
    const auto at = [&](int x, int y) {
        SheetBitmap bitmap{};
        PaintSheet(tiles, doc, bitmap);
        return bitmap[y * 128 + x];
    };
    const auto plain = [&](int x, int y) { return StandardPalette()[(index(x, y) + 3) % 256]; };
    tiles.colourShift = 3;
    tiles.gridShown = true;
    EXPECT_EQ(at(16, 9), kGridColour);
    EXPECT_EQ(at(5, 120), kGridColour);
    EXPECT_EQ(at(5, 9), plain(5, 9));

    tiles.gridShown = false;
    doc.tileView.rawView = 1;
    EXPECT_EQ(at(5, 9), index(6, 9) * 256 + index(5, 9));
    EXPECT_EQ(at(127, 127), index(0, 128) * 256 + index(127, 127));  // the second byte from the next row

    // Grid mode: cell (2, 1), two cells wide and one high, framed on pixels 16..31 by 8..15.
    doc.tileView = {.cursorColumn = 2, .cursorRow = 1, .cursorWidth = 2, .cursorHeight = 1, .cursorShown = 1};
    for (const auto& [x, y] : {std::pair{16, 8}, {31, 8}, {16, 15}, {31, 15}, {20, 8}, {31, 12}}) {
        EXPECT_EQ(at(x, y), kCursorFrameColour) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{20, 12}, {15, 8}, {32, 8}, {16, 16}}) EXPECT_EQ(at(x, y), plain(x, y));
    tiles.freeMovement = true;  // the same cursor counts pixels now
    EXPECT_EQ(at(17, 8), kCursorFrameColour);
    EXPECT_EQ(PaintPaletteBox(tiles, doc)[255], StandardPalette()[2]);  // 255 + 3 wraps to 2
}

}  // namespace
}  // namespace zarvo
