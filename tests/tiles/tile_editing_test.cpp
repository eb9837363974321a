#include "tiles/edit_box.h"
#include "tiles/region_transform.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_pointer.h"
#include "tiles/sheet_write.h"
#include "tiles/tile_document.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarvo {
namespace {

using testing::ContentOf;
using testing::ModelSheet;
using testing::RandomBytes;

// An editor window showing a document's sheet: 268 x 256, the sheet right of the 12-pixel margin.
struct SheetWindow {
    DocRecord doc;
    TileSession tiles;

    explicit SheetWindow(const std::vector<uint8_t>& bytes, int format = 0, int height = 8, int width = 16,
                         int32_t offset = 0)
        : doc(testing::TileDocument(bytes, format, height, width, offset))
    {
        ActivateTileDocument(tiles, doc);
    }
    SheetMouseResult click(int x, int y, bool left)
    {
        return MoveOverSheet(tiles, doc, TileEditorClient(tiles), x, y, {.left = left, .right = !left});
    }
    [[nodiscard]] uint8_t edited(int x, int y) const { return tiles.editBuffer[y * 64 + x]; }
};

TEST(SheetPointer, RegionPlacement)
{
    const struct {
        bool free;
        int32_t width;  // cursor cells
        int32_t height;
        int x;  // pointer in the window
        int y;
        int32_t column;  // the cursor it gives
        int32_t row;
    } cases[] = {
        {false, 8, 1, 12 + 12 * 16 + 3, 5, 8, 0},  // cell column 12 with W = 8: column 8
        {false, 1, 1, 12 + 15 * 16, 255, 15, 15},
        {false, 3, 8, 12 + 14 * 16, 100, 13, 6},
        {true, 2, 1, 12 + 240, 0, 112, 0},  // sheet pixel 120 with W = 2: 112
        {true, 1, 1, 12 + 7, 9, 3, 4},      // two window pixels a sheet pixel
        {true, 8, 8, 12 + 255, 255, 64, 64},
    };
    for (const auto& c : cases) {
        SheetWindow window(std::vector<uint8_t>(65535, 0));
        window.tiles.freeMovement = c.free;
        window.doc.tileView.cursorWidth = c.width;
        window.doc.tileView.cursorHeight = c.height;
        EXPECT_TRUE(window.click(c.x, c.y, true).cursorMoved);
        EXPECT_EQ(window.doc.tileView.cursorShown, 1);
        EXPECT_EQ(std::pair(window.doc.tileView.cursorColumn, window.doc.tileView.cursorRow),
                  std::pair(c.column, c.row))
            << c.x << "," << c.y;
    }
    SheetWindow window(std::vector<uint8_t>(65535, 0xFF), 0, 8, 4);
    EXPECT_FALSE(window.click(11, 20, true).cursorMoved);  // the margin
    EXPECT_FALSE(window.click(268, 20, true).cursorMoved);
    EXPECT_FALSE(window.click(12 + 4 * 16, 0, true).editRegionChanged);  // cell column 4 holds no strip with w = 4
    EXPECT_TRUE(window.click(12 + 3 * 16, 0, true).editRegionChanged);
    EXPECT_EQ(window.edited(0, 0), 1);
    EXPECT_FALSE(window.doc.modified);  // picking up changes nothing
}

TEST(SheetPointer, PutDownWritesOnlyTheStripsUnderTheRegion)
{
    const struct {
        int format;
        int height;
        bool free;
        int32_t cells;  // W = H
        int pixelX;     // region placed at this sheet pixel
        int pixelY;
        int width;  // strips across
        int strips;
    } cases[] = {
        {0, 8, false, 1, 16, 8, 16, 1},  {3, 8, false, 1, 100, 60, 16, 1}, {1, 16, false, 1, 0, 16, 16, 1},
        {4, 8, true, 1, 4, 4, 16, 4},    {7, 12, false, 2, 24, 24, 16, 4}, {9, 32, false, 8, 0, 0, 16, 16},
        {5, 8, false, 3, 120, 0, 14, 3},  // columns 104..127, of which only 104..111 hold strips
    };
    for (const auto& c : cases) {
        const auto bytes = RandomBytes(65535, static_cast<unsigned>(c.format + c.height));
        SheetWindow window(bytes, c.format, c.height, c.width, 0x2000);
        window.tiles.freeMovement = c.free;
        window.doc.tileView.cursorWidth = window.doc.tileView.cursorHeight = c.cells;
        const SheetPoint point{c.pixelX, c.pixelY, c.pixelX / 8, c.pixelY / 8};
        PickUp(window.tiles, window.doc, point);
        EXPECT_FALSE(window.doc.modified);
        const PixelRect region = EditRegionOnSheet(window.tiles, window.doc.tileView);
        for (auto& pixel : window.tiles.editBuffer) pixel = static_cast<uint8_t>(~pixel);
        EXPECT_EQ(PutDown(window.tiles, window.doc, point), c.strips) << c.format << " " << c.height;
        EXPECT_TRUE(window.doc.modified);

        // The region's pixels are inverted in the document, every other pixel is as it was.
        const auto before = ModelSheet(bytes, 0x2000, c.format, c.height, c.width);
        const auto after = ModelSheet(ContentOf(window.doc), 0x2000, c.format, c.height, c.width);
        for (int i = 0; i < 128 * 128; ++i) {
            const int x = i % 128;
            const int y = i / 128;
            const bool inside = x >= region.x && x < region.x + region.width && y >= region.y &&
                                y < region.y + region.height && x < 8 * c.width;
            const uint8_t old = before[static_cast<std::size_t>(i)];
            ASSERT_EQ(after[static_cast<std::size_t>(i)], inside ? (~old & testing::kModelHighestIndex[c.format]) : old)
                << "format " << c.format << " at " << x << "," << y;
        }
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 0x2000, ContentOf(window.doc).begin()));
    }
}

// The sheet is written back only as far as the data goes.
TEST(SheetWrite, StripsCutByTheEndOfTheDataAreWrittenUpToIt)
{
    const auto bytes = RandomBytes(600, 8);
    DocRecord doc = testing::TileDocument(bytes, 0, 8, 16, 500);
    const std::vector<uint8_t> ones(128 * 128, 1);
    EXPECT_EQ(WriteSheet(doc, SheetLayoutOf(doc), ones.data()), 13);  // the strip at 596 is cut by the end
    const auto after = ContentOf(doc);
    for (int i = 0; i < 600; ++i) EXPECT_EQ(after[i], i >= 500 ? 0xFF : bytes[i]) << i;
}

TEST(EditBox, PaintingPickingAndTheClipBoard)
{
    SheetWindow window(std::vector<uint8_t>(65535, 0), 3);
    window.doc.tileView.leftColour = 1;
    EXPECT_TRUE(PaintEditPixel(window.tiles, window.doc, 35, 17, MouseButton::Left));  // zoom 16: pixel (2, 1)
    EXPECT_EQ(window.edited(2, 1), 1);
    EXPECT_FALSE(PaintEditPixel(window.tiles, window.doc, 128, 0, MouseButton::Left));  // column 8 of 8
    EXPECT_FALSE(window.doc.modified);                                                  // until the next put down
    window.click(12, 0, false);
    EXPECT_TRUE(window.doc.modified);
    EXPECT_EQ(window.doc.data()[2], 0x20);  // plane 0 of row 1

    window.tiles.colourShift = 16;
    EXPECT_FALSE(PickPaletteColour(window.tiles, window.doc, 0, 8, MouseButton::Right));   // index 16
    EXPECT_TRUE(PickPaletteColour(window.tiles, window.doc, 127, 7, MouseButton::Right));  // index 15
    EXPECT_EQ(window.doc.tileView.rightColour, 15);
    EXPECT_EQ(window.tiles.rightSwatch, 0xFFFF);  // the cell shows entry 31

    TileViewState& state = window.doc.tileView;
    state.cursorWidth = 2;
    EXPECT_EQ(ClipBoardPlaceAt(state, 16 * 16 + 3, 0)->column, 15);  // column 16 with W = 2
    EXPECT_FALSE(ClipBoardPlaceAt(state, 17 * 16, 0).has_value());
    state.cursorHeight = 8;
    for (int i = 0; i < 64 * 64; ++i) window.tiles.editBuffer[i] = static_cast<uint8_t>(i % 251);
    const auto stored = window.tiles.editBuffer;
    EXPECT_EQ(UseClipBoard(window.tiles, window.doc, 16 * 16, 11 * 16, MouseButton::Right)->row, 4);  // put at (15, 4)
    EXPECT_EQ(window.tiles.clipBoard[95 * 136 + 135], stored[63 * 64 + 15]);
    window.tiles.editBuffer.fill(0);
    UseClipBoard(window.tiles, window.doc, 15 * 16, 4 * 16, MouseButton::Left);
    for (int i = 0; i < 64 * 16; ++i) ASSERT_EQ(window.edited(i % 16, i / 16), stored[i / 16 * 64 + i % 16]) << i;
    EXPECT_EQ(window.edited(16, 0), 0);  // outside the region
}

TEST(RegionTransform, FlipsAndQuarterTurns)
{
    TileSession tiles;
    TileViewState state;
    state.cursorWidth = state.cursorHeight = 2;
    for (int i = 0; i < 64 * 64; ++i) tiles.editBuffer[i] = static_cast<uint8_t>(i * 13 + 5);
    const auto original = tiles.editBuffer;
    const auto at = [](const auto& buffer, int x, int y) { return buffer[y * 64 + x]; };
    FlipX(tiles, state);
    EXPECT_EQ(at(tiles.editBuffer, 0, 3), at(original, 15, 3));
    EXPECT_EQ(at(tiles.editBuffer, 16, 3), at(original, 16, 3));  // outside the region
    FlipX(tiles, state);
    EXPECT_TRUE(tiles.editBuffer == original);
    FlipY(tiles, state);
    EXPECT_EQ(at(tiles.editBuffer, 4, 0), at(original, 4, 15));
    FlipY(tiles, state);
    Rotate(tiles, state);  // clockwise: the left column, read upwards, becomes the top row
    EXPECT_EQ(at(tiles.editBuffer, 0, 0), at(original, 0, 15));
    EXPECT_EQ(at(tiles.editBuffer, 15, 15), at(original, 15, 0));
    for (int turn = 0; turn < 3; ++turn) Rotate(tiles, state);
    EXPECT_TRUE(tiles.editBuffer == original);
}

}  // namespace
}  // namespace zarvo
