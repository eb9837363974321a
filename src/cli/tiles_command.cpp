#include "cli/tiles_command.h"

#include "cli/sheet_png.h"
#include "cli/tile_sheet_options.h"
#include "tiles/sheet_paint.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool tiles ROM --format N --offset HEX [--height H] [--width W]\n"
    "                  [--palette std|nes|zst|zst:FILE] [--shift N] [--grid] -o SHEET.png\n"
    "Writes the 128 x 128 tile sheet of ROM as the editor's tile view draws it before\n"
    "stretching, without the cursor frame. Formats: 0 1-Bpp, 1 N.E.S, 2 GameBoy, 3 SNES\n"
    "4-Bpp, 4 SNES 8-Bpp, 5 Mode-7 / GBA 8BPP, 6 Sega Master Sys / GG, 7 GBA 4BPP,\n"
    "8 Sega Genesis, 9 SNES 3-Bpp. The sheet starts at HEX, kept inside the data as the\n"
    "view keeps it; H is the tile height (1..32, default 8), W the tiles across (1..16,\n"
    "default 16). The palette is the standard one (default), the NES one, the ROM's own\n"
    "savestate palette (zst) or the one of the ZSNES savestate FILE; N (decimal, may be\n"
    "negative) is added to every colour index. --grid draws every eighth row and column\n"
    "in grey. Each RGB565 colour is written with 8-bit channels, its top bits repeated.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, TileSheetValueOptions(), {"--grid"}, error);
    if (!parsed) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto options = ReadTileSheetOptions(*parsed, error);
    const auto output = parsed->values.find("-o");
    if (!options || parsed->positional.size() != 1 || output == parsed->values.end()) {
        err << (!options                         ? error
                : parsed->positional.size() != 1 ? "tiles needs exactly one ROM"
                                                 : "tiles needs -o")
            << "\n"
            << kUsage;
        return kWrongUsage;
    }

    DocRecord doc;
    TileSession tiles;
    if (!PrepareTileSheet(doc, tiles, parsed->positional[0], *options, err, RomBytes::SheetOnly)) return kFailed;
    tiles.gridShown = parsed->flags.count("--grid") != 0;
    SheetBitmap bitmap{};
    PaintSheet(tiles, doc, bitmap);
    return WriteSheetPng(bitmap, output->second, out, err) ? kDone : kFailed;
}

}  // namespace

Command TilesCommand()
{
    return {"tiles",
            "tiles ROM --format N --offset HEX [--height H] [--width W] [--palette std|nes|zst:FILE] [--shift N] "
            "[--grid] -o SHEET.png",
            kUsage, &Run};
}

}  // namespace zarvo::cli
