#include "cli/tiles_command.h"

#include "cli/sheet_png.h"
#include "cli/tile_sheet_options.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_layout.h"
#include "tiles/sheet_paint.h"
#include "tiles/tile_format.h"
#include "tiles/tile_palette.h"

#include <set>
#include <vector>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool tiles ROM --format FORMAT --offset HEX [--height H] [--width W]\n"
    "                  [--palette std|nes|zst|zst:FILE] [--shift N] [--grid] [--rows N]\n"
    "                  [--indexed] -o SHEET.png\n"
    "Writes the 128 x 128 tile sheet of ROM as the editor's tile view draws it before\n"
    "stretching, without the cursor frame. FORMAT is a format's number or name; the\n"
    "tile window selects the same formats with its keys and its View > Format menu:\n"
    "  number  name     key  menu item\n"
    "  0       1bpp     1    1-Bpp\n"
    "  1       nes      2    N.E.S\n"
    "  2       gb       3    GameBoy\n"
    "  3       snes4    4    SNES 4-Bpp\n"
    "  4       snes8    5    SNES 8-Bpp\n"
    "  5       mode7    6    Mode-7 / GBA 8BPP\n"
    "  6       sms      7    Sega Master Sys / GG\n"
    "  7       gba4     8    GBA 4BPP\n"
    "  8       genesis  9    Sega Genesis\n"
    "  9       snes3    0    SNES 3-Bpp\n"
    "The sheet starts at HEX, kept inside the data as the view keeps it; H is the tile\n"
    "height (1..32, default 8), W the tiles across (1..16, default 16). The palette is\n"
    "the standard one (default), the NES one, the ROM's own savestate palette (zst; a\n"
    "ROM that is no ZSNES savestate holding one is refused) or the one of the ZSNES\n"
    "savestate FILE; N (decimal, may be negative) is added to every colour index.\n"
    "--grid draws every eighth row and column in grey. Each RGB565 colour is written\n"
    "with 8-bit channels, its top bits repeated.\n"
    "--rows N writes N sheets' worth of ROM at once, a picture 128 x 128N pixels tall in\n"
    "which the tile rows go on from one sheet to the next. --indexed writes an\n"
    "indexed-colour PNG instead of RGB: one palette entry for each colour index the\n"
    "format holds, in the palette's colours after the shift, and each pixel's index as\n"
    "it stands, so that image editors keep the indexes (not with --grid).\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    std::set<std::string> flags = TileSheetFlags();
    flags.insert("--grid");
    const auto parsed = ParseArguments(arguments, TileSheetValueOptions(), flags, error);
    if (!parsed) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto options = ReadTileSheetOptions(*parsed, error);
    const auto output = parsed->values.find("-o");
    const bool grid = parsed->flags.count("--grid") != 0;
    if (!options || parsed->positional.size() != 1 || output == parsed->values.end() || (grid && options->indexed)) {
        err << (!options                         ? error
                : parsed->positional.size() != 1 ? "tiles needs exactly one ROM"
                : output == parsed->values.end() ? "tiles needs -o"
                                                 : "--grid has no colour index to draw with in an --indexed picture")
            << "\n"
            << kUsage;
        return kWrongUsage;
    }

    DocRecord doc;
    TileSession tiles;
    if (!PrepareTileSheet(doc, tiles, parsed->positional[0], *options, err, RomBytes::SheetOnly)) return kFailed;
    const std::vector<uint8_t> indexes = DrawSheetPicture(SheetBytes(doc), SheetLayoutOf(doc), options->pictureRows());
    const TileColours& palette = PaletteInUse(tiles, doc);
    if (options->indexed) {
        std::vector<uint16_t> colours(static_cast<std::size_t>(TileFormatOf(options->format).highestIndex) + 1);
        for (std::size_t index = 0; index < colours.size(); ++index) {
            colours[index] = ColourOfIndex(palette, static_cast<int32_t>(index), options->colourShift);
        }
        return WriteIndexedSheetPng(indexes, colours, output->second, out, err) ? kDone : kFailed;
    }
    const std::vector<uint16_t> bitmap = PaintSheetPicture(indexes, palette, options->colourShift, grid);
    return WriteSheetPng(bitmap, output->second, out, err) ? kDone : kFailed;
}

}  // namespace

Command TilesCommand()
{
    return {
        "tiles",
        "tiles ROM --format FORMAT --offset HEX [--height H] [--width W] [--palette std|nes|zst|zst:FILE] [--shift N] "
        "[--grid] [--rows N] [--indexed] -o SHEET.png",
        kUsage, &Run};
}

}  // namespace zarvo::cli
