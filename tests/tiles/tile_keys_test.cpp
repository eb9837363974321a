#include "tiles/tile_keys.h"

#include "tiles/tile_document.h"
#include "tiles/tile_status.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::TileDocument;

// Keys written as words: "Up", "^Down" (Ctrl), "+Left" (Shift), "5" (a digit), "W".
TileKeyPress Press(std::string word)
{
    TileKeyPress press;
    press.control = word[0] == '^';
    press.shift = word[0] == '+';
    if (press.control || press.shift) word.erase(0, 1);
    const std::pair<const char*, TileKey> names[] = {
        {"Left", TileKey::Left},         {"Right", TileKey::Right},   {"Up", TileKey::Up},
        {"Down", TileKey::Down},         {"PageUp", TileKey::PageUp}, {"PageDown", TileKey::PageDown},
        {"Home", TileKey::Home},         {"End", TileKey::End},       {"Plus", TileKey::KeypadPlus},
        {"Minus", TileKey::KeypadMinus}, {"W", TileKey::RawView},     {"F1", TileKey::Help},
    };
    for (const auto& [name, key] : names) {
        if (word == name) press.key = key;
    }
    if (word.size() == 1 && word[0] >= '0' && word[0] <= '9') {
        press.key = TileKey::Digit;
        press.digit = word[0];
    }
    return press;
}

struct KeyCase {
    int32_t size;
    int format;
    int32_t start;
    std::vector<const char*> keys;
    int32_t offset;
};

TEST(TileKeys, MoveTheSheetWithinTheData)
{
    // Format 0, h 8, w 16: a strip row is 128 bytes, and the clamp keeps 2048 in view.
    const KeyCase cases[] = {
        {65535, 0, 0, {"Home", "Left"}, 0},
        {1000, 0, 0, {"End"}, 0},  // 1000 - 2048 is below 0
        {65535, 0, 5000, {"Left"}, 4999},
        {65535, 0, 5000, {"Right", "Right"}, 5002},
        {65535, 0, 5000, {"Up"}, 4872},
        {65535, 0, 5000, {"Down"}, 5128},
        {65535, 0, 5000, {"PageUp"}, 2952},
        {65535, 0, 5000, {"PageUp", "PageUp", "PageUp"}, 0},
        {65535, 0, 5000, {"PageDown"}, 7048},
        {65535, 0, 5000, {"End"}, 63487},  // viewSize - 16 strip rows is also the clamp's limit
        {65535, 0, 63487, {"Right"}, 63487},
        {65535, 0, 5000, {"Plus"}, 5008},
        {65535, 4, 5000, {"Plus", "Plus", "Minus"}, 5064},  // 8 x bpr = 64
        {65535, 4, 5000, {"Up"}, 3976},                     // 16 x 8 x 8
        {65535, 0, 100, {"Up"}, 0},
    };
    for (const auto& c : cases) {
        DocRecord doc =
            TileDocument(std::vector<uint8_t>(static_cast<std::size_t>(c.size), 0), c.format, 8, 16, c.start);
        TileSession tiles;
        for (const char* key : c.keys) ApplyTileKey(tiles, doc, Press(key));
        EXPECT_EQ(doc.topOffset, c.offset) << c.keys.front() << " from " << c.start;
    }
}

TEST(TileKeys, SettingsStayWithinTheirRanges)
{
    DocRecord doc = TileDocument(std::vector<uint8_t>(65535, 0));
    TileSession tiles;
    const auto press = [&](const char* key) { return ApplyTileKey(tiles, doc, Press(key)); };

    doc.tileView.stripHeight = 1;
    press("^Up");
    EXPECT_EQ(doc.tileView.stripHeight, 1);
    doc.tileView.stripHeight = 32;
    press("^Down");
    EXPECT_EQ(doc.tileView.stripHeight, 32);
    press("^Up");
    EXPECT_EQ(doc.tileView.stripHeight, 31);
    press("^Right");
    EXPECT_EQ(doc.tileView.stripsAcross, 16);
    press("^Left");
    EXPECT_EQ(doc.tileView.stripsAcross, 15);
    doc.tileView.stripsAcross = 1;
    press("^Left");
    EXPECT_EQ(doc.tileView.stripsAcross, 1);

    press("^Minus");
    EXPECT_EQ(tiles.colourShift, -1);
    tiles.colourShift = INT32_MAX;
    press("^Plus");
    EXPECT_EQ(tiles.colourShift, INT32_MIN);  // wraps instead of overflowing
    EXPECT_FALSE(press("^Home").handled);

    EXPECT_TRUE(press("0").formatChanged);
    EXPECT_EQ(doc.tileView.format, 9);
    EXPECT_EQ(doc.tileView.bytesPerRow, 3);
    press("5");
    EXPECT_EQ(doc.tileView.format, 4);
    EXPECT_EQ(doc.tileView.depthClass, 3);

    press("W");
    EXPECT_EQ(doc.tileView.rawView, 1);
    press("W");
    EXPECT_EQ(doc.tileView.rawView, 0);
    EXPECT_TRUE(press("F1").openHelp);
}

TEST(TileKeys, ShiftArrowsSizeTheCursorAndNothingElse)
{
    DocRecord doc = TileDocument(std::vector<uint8_t>(65535, 0), 0, 8, 16, 4000);
    TileSession tiles;
    const auto press = [&](const char* key) { return ApplyTileKey(tiles, doc, Press(key)); };
    doc.tileView.cursorColumn = 15;
    doc.tileView.cursorRow = 14;
    EXPECT_TRUE(press("+Right").cursorSizeChanged);
    press("+Right");
    press("+Down");
    EXPECT_EQ(doc.tileView.cursorWidth, 3);
    EXPECT_EQ(doc.tileView.cursorHeight, 2);
    EXPECT_EQ(doc.tileView.cursorColumn, 13);  // moved left until three cells fit
    EXPECT_EQ(doc.tileView.cursorRow, 14);
    EXPECT_EQ(tiles.editBoxWidth, 126);
    EXPECT_EQ(tiles.zoomX, 5);
    EXPECT_EQ(tiles.editBoxHeight, 128);
    EXPECT_EQ(tiles.zoomY, 8);
    for (int i = 0; i < 10; ++i) press("+Left");
    EXPECT_EQ(doc.tileView.cursorWidth, 1);
    for (int i = 0; i < 10; ++i) press("+Down");
    EXPECT_EQ(doc.tileView.cursorHeight, 8);
    EXPECT_EQ(doc.tileView.cursorRow, 8);
    EXPECT_FALSE(press("+Home").handled);
    EXPECT_EQ(doc.topOffset, 4000);
}

TEST(TileStatus, PanelTexts)
{
    DocRecord doc = TileDocument(std::vector<uint8_t>(200000, 0), 7, 12, 5, 0x1A2B0);
    doc.tileView.cursorWidth = 2;
    doc.tileView.cursorHeight = 3;
    TileSession tiles;
    tiles.colourShift = -4;
    const auto texts = TileStatusTexts(tiles, doc);
    const std::array<std::string, 6> expected = {"GBA 4BPP",        "Offset: 0001A2B0",   "Tile Height: 12",
                                                 "Window Width: 5", "Cursor Size: 3 x 2", "Color Index: -4"};
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace zarvo
