#include "tiles/zst_palette_file.h"

#include "support/temp_folder.h"
#include "tiles/tile_messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

TEST(ZstPaletteFile, LoadsFromSavestatesAndLeavesThePaletteOnEveryFailure)
{
    testing::TempFolder folder;
    const struct {
        std::string name;
        std::size_t size;  // 0: no file at all
        ZstPaletteLoad result;
        const char* message;
    } cases[] = {
        {"game.zst", 300000, ZstPaletteLoad::Loaded, nullptr},
        {"SAVE.ZS1", 1560 + 512, ZstPaletteLoad::Loaded, nullptr},  // just holds the palette
        {"save.sz", 300000, ZstPaletteLoad::NotSavestate, nullptr},
        {"game.bin", 300000, ZstPaletteLoad::NotSavestate, nullptr},
        {"short.zst", 1560 + 511, ZstPaletteLoad::TooShort, messages::kZstTooShort},
        {"missing.zst", 0, ZstPaletteLoad::CannotOpen, messages::kZstCannotOpen},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes(c.size, 0);
        if (c.size >= 1560 + 512) {
            bytes[1560] = 0x1F;        // colour 0: red 31
            bytes[1560 + 510] = 0xFF;  // colour 255: white
            bytes[1560 + 511] = 0x7F;
        }
        const std::string path = c.size != 0 ? folder.write(c.name, bytes) : folder.file(c.name);
        DocRecord doc;
        doc.savestatePalette.emplace();
        doc.savestatePalette->fill(0x1234);
        EXPECT_EQ(LoadZstPalette(doc, path), c.result) << c.name;
        EXPECT_STREQ(ZstPaletteMessage(c.result), c.message) << c.name;
        const bool loaded = c.result == ZstPaletteLoad::Loaded;
        EXPECT_EQ((*doc.savestatePalette)[0], loaded ? 0xF820 : 0x1234) << c.name;
        EXPECT_EQ((*doc.savestatePalette)[255], loaded ? 0xFFFF : 0x1234) << c.name;
    }
    DocRecord doc;
    EXPECT_EQ(LoadZstPalette(doc, folder.path().string()), ZstPaletteLoad::CannotOpen);  // a folder
}

}  // namespace
}  // namespace zarvo
