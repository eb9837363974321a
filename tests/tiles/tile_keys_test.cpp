#include "tiles/tile_keys.h"

#include "tiles/tile_document.h"
#include "tiles/tile_status.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace zarvo {
namespace {

// Keys written as words: "Up", "^Down" (Ctrl), "+Left" (Shift), "5" (a digit), "W".
TileKeyPress Press(std::string word)
{
    TileKeyPress press{.control = word[0] == '^', .shift = word[0] == '+'};
    if (press.control || press.shift) word.erase(0, 1);
    const char* names[] = {"Left", "Right", "Up",    "Down",  "PageUp", "PageDown", "Home",
                           "End",  "Plus",  "Minus", "Digit", "W",      "F1"};
    for (int key = 0; key < 13; ++key) {
        if (word == names[key]) press.key = static_cast<TileKey>(key);  // in the order of TileKey
    }
    if (std::isdigit(static_cast<unsigned char>(word[0]))) press = {TileKey::Digit, word[0]};
    return press;
}

TEST(TileKeys, MoveTheSheetWithinTheData)
{
    // Format 0, h 8, w 16: a strip row is 128 bytes, and the clamp keeps 2048 in view.
    const struct {
        int32_t size;
        int format;
        int32_t start;
        std::vector<const char*> keys;
        int32_t offset;
    } cases[] = {
        {65535, 0, 0, {"Home", "Left"}, 0},
        {1000, 0, 0, {"End"}, 0},  // 1000 - 2048 is below 0
        {65535, 0, 5000, {"Left"}, 4999},
        {65535, 0, 5000, {"Right", "Right"}, 5002},
        {65535, 0, 5000, {"Up"}, 4872},
        {65535, 0, 5000, {"Down"}, 5128},
        {65535, 0, 5000, {"PageUp"}, 2952},
        {65535, 0, 5000, {"PageUp", "PageUp", "PageUp"}, 0},
        {65535, 0, 5000, {"PageDown"}, 7048},
        {65535, 0, 5000, {"End"}, 63487},
        {65535, 0, 63487, {"Right"}, 63487},
        {65535, 0, 5000, {"Plus"}, 5008},
        {65535, 4, 5000, {"Plus", "Plus", "Minus"}, 5064},   // 8 x bpr = 64
        {65535, 4, 5000, {"Up"}, 3976},                      // 16 x 8 x 8
        {65535, 0, 5000, {"^Up", "Down"}, 5112},             // h 7: a strip row is 112 bytes
        {65535, 0, 5000, {"+Down", "Down", "+Home"}, 5128},  // Shift keys other than arrows do nothing
    };
    for (const auto& c : cases) {
        DocRecord doc =
            testing::TileDocument(std::vector<uint8_t>(static_cast<std::size_t>(c.size)), c.format, 8, 16, c.start);
        TileSession tiles;
        for (const char* key : c.keys) ApplyTileKey(tiles, doc, Press(key));
        EXPECT_EQ(doc.topOffset, c.offset) << c.keys.front() << " from " << c.start;
    }
}

TEST(TileKeys, SettingsStayWithinTheirRanges)
{
    DocRecord doc = testing::TileDocument(std::vector<uint8_t>(65535, 0));
    TileSession tiles;
    const auto press = [&](std::initializer_list<const char*> keys) {
        TileKeyResult result;
        for (const char* key : keys) result = ApplyTileKey(tiles, doc, Press(key));
        return result;
    };
    TileViewState& state = doc.tileView;
    press({"^Up", "^Up", "^Up", "^Up", "^Up", "^Up", "^Up", "^Up"});
    EXPECT_EQ(state.stripHeight, 1);
    for (int i = 0; i < 40; ++i) press({"^Down"});
    EXPECT_EQ(state.stripHeight, 32);
    press({"^Right", "^Left"});
    EXPECT_EQ(state.stripsAcross, 15);
    press({"^Minus"});
    EXPECT_EQ(tiles.colourShift, -1);
    tiles.colourShift = INT32_MAX;
    press({"^Plus"});
    EXPECT_EQ(tiles.colourShift, INT32_MIN);  // wraps instead of overflowing
    EXPECT_FALSE(press({"^Home"}).handled);
    EXPECT_TRUE(press({"0"}).formatChanged);
    EXPECT_EQ(std::tuple(state.format, state.bytesPerRow, state.depthClass), std::tuple(9, 3, 2));
    press({"5"});
    EXPECT_EQ(std::tuple(state.format, state.bytesPerRow, state.depthClass), std::tuple(4, 8, 3));
    press({"W"});
    EXPECT_EQ(state.rawView, 1);
    press({"W"});
    EXPECT_EQ(state.rawView, 0);
    EXPECT_TRUE(press({"F1"}).openHelp);

    // Cursor size: 1..8 cells each way, the cursor moved back until the region fits.
    state.cursorColumn = 15;
    state.cursorRow = 14;
    EXPECT_TRUE(press({"+Right", "+Right", "+Down"}).cursorSizeChanged);
    EXPECT_EQ(std::pair(state.cursorColumn, state.cursorRow), std::pair(13, 14));
    EXPECT_EQ(std::pair(tiles.editBoxWidth, tiles.zoomX), std::pair(126, 5));  // W = 3
    EXPECT_EQ(std::pair(tiles.editBoxHeight, tiles.zoomY), std::pair(128, 8));
    for (int i = 0; i < 10; ++i) press({"+Left", "+Down"});
    EXPECT_EQ(std::pair(state.cursorWidth, state.cursorHeight), std::pair(1, 8));
    EXPECT_EQ(state.cursorRow, 8);

    state.cursorWidth = 2;
    state.cursorHeight = 3;
    tiles.colourShift = -4;
    doc.topOffset = 0x1A2B0;
    const std::array<std::string, 6> status = {"3 - Bitplane",     "Offset: 0001A2B0",   "Tile Height: 32",
                                               "Window Width: 15", "Cursor Size: 3 x 2", "Color Index: -4"};
    SelectTileFormat(state, 9);
    EXPECT_EQ(TileStatusTexts(tiles, doc), status);
}

}  // namespace
}  // namespace zarvo
