#include "cli/tiles_import_command.h"

#include "cli/document_output.h"
#include "cli/sheet_png.h"
#include "cli/tile_sheet_options.h"
#include "core/hex_text.h"
#include "tiles/sheet_colours.h"
#include "tiles/sheet_layout.h"
#include "tiles/sheet_write.h"
#include "tiles/tile_format.h"
#include "tiles/tile_palette.h"

#include <span>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool tiles-import ROM SHEET.png --format FORMAT --offset HEX [--height H] [--width W]\n"
    "                         [--palette std|nes|zst|zst:FILE] [--shift N] -o OUT\n"
    "Encodes a 128 x 128 sheet picture, as `zarvo-tool tiles` writes it and edited in any\n"
    "image editor, back into the bytes of ROM that the same sheet shows, and writes the\n"
    "ROM to OUT. The options are those of `zarvo-tool tiles`. Each pixel must have a\n"
    "colour that the palette and shift give to an index the format holds (the lowest\n"
    "such index is taken); otherwise the first other pixel is named and nothing is\n"
    "written. Bytes outside the sheet's tiles, past the end of the data, and of tile rows\n"
    "cut off at the bottom of the sheet keep their values.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, TileSheetValueOptions(), {}, error);
    if (!parsed) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto options = ReadTileSheetOptions(*parsed, error);
    const auto output = parsed->values.find("-o");
    if (!options || parsed->positional.size() != 2 || output == parsed->values.end()) {
        err << (!options                         ? error
                : parsed->positional.size() != 2 ? "tiles-import needs a ROM and a sheet picture"
                                                 : "tiles-import needs -o")
            << "\n"
            << kUsage;
        return kWrongUsage;
    }
    const std::string& picturePath = parsed->positional[1];

    DocRecord doc;
    TileSession tiles;
    if (!PrepareTileSheet(doc, tiles, parsed->positional[0], *options, err)) return kFailed;
    SheetPicture picture{};
    if (!ReadSheetPicture(picturePath, picture, err)) return kFailed;

    const SheetColourMatch match(PaletteInUse(tiles, doc), tiles.colourShift,
                                 TileFormatOf(options->format).highestIndex);
    SheetIndexes indexes{};
    if (const auto bad =
            MatchSheetColours(std::span<const uint32_t, kSheetSide * kSheetSide>(picture), match, indexes)) {
        err << "zarvo-tool: pixel (" << bad->x << ", " << bad->y << ") of " << picturePath;
        if ((bad->argb >> 24) != 0xFF) {
            err << " is not opaque";
        } else {
            err << " has the colour #" << FormatHex(bad->argb & 0xFFFFFF, 6)
                << ", which the palette gives to no index of format " << options->format;
        }
        err << "; nothing written\n";
        return kFailed;
    }
    WriteSheet(doc, SheetLayoutOf(doc), indexes.data());
    return WriteDocumentTo(doc, output->second, out, err) ? kDone : kFailed;
}

}  // namespace

Command TilesImportCommand()
{
    return {"tiles-import",
            "tiles-import ROM SHEET.png --format FORMAT --offset HEX [--height H] [--width W] [--palette "
            "std|nes|zst|zst:FILE] "
            "[--shift N] -o OUT",
            kUsage, &Run};
}

}  // namespace zarvo::cli
