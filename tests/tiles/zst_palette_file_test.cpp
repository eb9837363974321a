#include "tiles/zst_palette_file.h"

#include "support/temp_folder.h"
#include "tiles/tile_messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::TempFolder;

// A savestate-sized file whose palette words are 0x001F (colour 0) and 0x7FFF (colour 255).
std::vector<uint8_t> SavestateBytes(std::size_t size)
{
    std::vector<uint8_t> bytes(size, 0);
    if (size >= 1560 + 512) {
        bytes[1560] = 0x1F;
        bytes[1560 + 510] = 0xFF;
        bytes[1560 + 511] = 0x7F;
    }
    return bytes;
}

TEST(ZstPaletteFile, LoadsFromSavestatesAndLeavesThePaletteOnEveryFailure)
{
    TempFolder folder;
    const struct {
        std::string name;
        std::size_t size;  // 0: no file at all
        ZstPaletteLoad result;
        const char* message;
    } cases[] = {
        {"game.zst", 300000, ZstPaletteLoad::Loaded, nullptr},
        {"SAVE.ZS1", 2072, ZstPaletteLoad::Loaded, nullptr},  // just holds the palette
        {"save.sz", 300000, ZstPaletteLoad::NotSavestate, nullptr},
        {"game.bin", 300000, ZstPaletteLoad::NotSavestate, nullptr},
        {"short.zst", 2071, ZstPaletteLoad::TooShort, messages::kZstTooShort},
        {"missing.zst", 0, ZstPaletteLoad::CannotOpen, messages::kZstCannotOpen},
    };
    for (const auto& c : cases) {
        const std::string path = c.size != 0 ? folder.write(c.name, SavestateBytes(c.size)) : folder.file(c.name);
        DocRecord doc;
        doc.savestatePalette.emplace();
        doc.savestatePalette->fill(0x1234);
        EXPECT_EQ(LoadZstPalette(doc, path), c.result) << c.name;
        EXPECT_EQ(ZstPaletteMessage(c.result), c.message) << c.name;
        const bool loaded = c.result == ZstPaletteLoad::Loaded;
        EXPECT_EQ((*doc.savestatePalette)[0], loaded ? 0xF820 : 0x1234) << c.name;
        EXPECT_EQ((*doc.savestatePalette)[255], loaded ? 0xFFFF : 0x1234) << c.name;
    }
    DocRecord doc;
    EXPECT_EQ(LoadZstPalette(doc, folder.path().string()), ZstPaletteLoad::CannotOpen);  // a folder
}

}  // namespace
}  // namespace zarvo
