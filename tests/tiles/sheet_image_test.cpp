#include "tiles/sheet_image.h"

#include "tiles/sheet_write.h"
#include "tiles/tile_document.h"
#include "tiles/tile_keys.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

using testing::RandomBytes;
using testing::TileDocument;

// Random layouts, some running past the end of the data, which reads as zeros there;
// the sheet written back leaves every byte as it was and writes nothing past the end.
TEST(SheetImage, StripsLieWhereTheLayoutPutsThemInEveryFormatAndWriteBackUnchanged)
{
    std::mt19937 random(11);
    const auto bytes = RandomBytes(70000, 3);
    for (int round = 0; round < 300; ++round) {
        const int format = static_cast<int>(random() % 10);
        const int height = 1 + static_cast<int>(random() % 32);
        const int width = 1 + static_cast<int>(random() % 16);
        const auto offset = static_cast<int32_t>(random() % 72000);
        TileSession tiles;
        DrawSheet(tiles.sheet, bytes, {offset, format, height, width}, SheetRedraw::Full);
        const auto model = testing::ModelSheet(bytes, offset, format, height, width);
        ASSERT_TRUE(std::equal(tiles.sheet.begin(), tiles.sheet.begin() + 128 * 128, model.begin()))
            << "format " << format << " h " << height << " w " << width << " o " << offset;
        DocRecord doc = TileDocument(bytes, format, height, width);
        WriteSheet(doc, {offset, format, height, width}, model.data());
        ASSERT_TRUE(testing::ContentOf(doc) == bytes) << "format " << format << " h " << height << " o " << offset;
    }
}

TEST(SheetImage, EndOfDataClamp)
{
    const struct {
        int32_t viewSize;
        int format;
        int height;
        int64_t offset;
        int32_t clamped;
    } cases[] = {
        {1000, 0, 8, 0, 0},            // 1000 - 2048 is below 0
        {65535, 0, 8, 65535, 63487},   // S = 16 x 128
        {65535, 0, 8, 63487, 63487},   // already in
        {65535, 1, 8, 70000, 61439},   // S = 16 x 256
        {65535, 7, 8, 99999, 61439},   // end unit 256 although a strip row is 512 bytes
        {65535, 4, 12, 65535, 55295},  // S = 10 x 1024
        {65535, 9, 32, 65535, 63999},  // S = 4 x 384
        {65535, 3, 1, 5000000000, 0},  // S = 128 x 512 is more than the data
        {0x7FFFFFFF, 0, 8, 0x7FFFFFFF + 70000LL, 0x7FFFFFFF - 2048},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClampSheetOffset(c.offset, c.format, c.height, c.viewSize), c.clamped)
            << c.viewSize << " " << c.format << " " << c.height << " " << c.offset;
    }
}

TEST(SheetImage, OneStripRowMoveGivesWhatAFullRedrawGives)
{
    std::mt19937 random(5);
    const auto bytes = RandomBytes(66000, 9);
    for (int round = 0; round < 400; ++round) {
        const int format = static_cast<int>(random() % 10);
        const int height = 1 + static_cast<int>(random() % 32);
        const int width = 1 + static_cast<int>(random() % 16);
        // Near the start, in the middle and at the end of the data, where the clamp acts.
        const int32_t places[] = {0, static_cast<int32_t>(random() % 66000),
                                  66000 - static_cast<int32_t>(random() % 9000)};
        DocRecord doc = TileDocument(bytes, format, height, width, places[round % 3]);
        TileSession tiles;
        RedrawSheet(tiles, doc, SheetRedraw::Full);
        const TileKey key = random() % 2 == 0 ? TileKey::Up : TileKey::Down;
        ASSERT_TRUE(ApplyTileKey(tiles, doc, {key}).handled);
        TileSession full;
        RedrawSheet(full, doc, SheetRedraw::Full);
        ASSERT_TRUE(tiles.sheet == full.sheet) << "format " << format << " h " << height << " w " << width << " o "
                                               << doc.topOffset << (key == TileKey::Up ? " up" : " down");
    }
}

TEST(SheetImage, DocumentWithoutDataIsNotDrawnAndTakesNoKeys)
{
    DocRecord doc;
    doc.topOffset = 77;
    TileSession tiles;
    tiles.sheet.fill(9);
    RedrawSheet(tiles, doc, SheetRedraw::Full);
    EXPECT_EQ(tiles.sheet[0], 9);
    EXPECT_EQ(doc.topOffset, 77);
    EXPECT_FALSE(ApplyTileKey(tiles, doc, {TileKey::Home}).handled);
}

}  // namespace
}  // namespace zarvo
