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

#include <algorithm>
#include <optional>
#include <vector>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool tiles-import ROM SHEET.png --format FORMAT --offset HEX [--height H] [--width W]\n"
    "                         [--palette std|nes|zst|zst:FILE] [--shift N] [--rows N] [--indexed] -o OUT\n"
    "Encodes a 128 x 128 sheet picture, as `zarvo-tool tiles` writes it and edited in any\n"
    "image editor, back into the bytes of ROM that the same sheet shows, and writes the\n"
    "ROM to OUT. The options are those of `zarvo-tool tiles`. Each pixel must have a\n"
    "colour that the palette and shift give to an index the format holds (the lowest\n"
    "such index is taken); otherwise the first other pixel is named and nothing is\n"
    "written. Bytes outside the sheet's tiles, past the end of the data, and of tile rows\n"
    "cut off at the bottom of the sheet keep their values.\n"
    "An indexed-colour PNG is read by its indexes, whatever its palette's colours: each\n"
    "must be one the format holds. --indexed refuses any other picture. With --rows N\n"
    "the picture holds N sheets, 128 x 128N pixels, as `zarvo-tool tiles --rows N`\n"
    "writes it.\n";

// The picture's indexes: an indexed picture's own, each within the format; the
// colours of another matched to the palette. Nothing, with the pixel named on err,
// when one does not fit.
std::optional<std::vector<uint8_t>> PictureIndexes(const PngPicture& picture, const std::string& path,
                                                   const TileColours& palette, const TileSheetOptions& options,
                                                   std::ostream& err)
{
    const int32_t highest = TileFormatOf(options.format).highestIndex;
    const auto refuse = [&](std::size_t pixel, const std::string& what) {
        err << "zarvo-tool: pixel (" << pixel % kSheetSide << ", " << pixel / kSheetSide << ") of " << path << what
            << "; nothing written\n";
        return std::nullopt;
    };
    if (picture.indexed) {
        const auto beyond = std::find_if(picture.indexes.begin(), picture.indexes.end(),
                                         [highest](uint8_t index) { return index > highest; });
        if (beyond == picture.indexes.end()) return picture.indexes;
        return refuse(static_cast<std::size_t>(beyond - picture.indexes.begin()),
                      " has the index " + std::to_string(*beyond) + ", above the " + std::to_string(highest) +
                          " of format " + std::to_string(options.format));
    }
    std::vector<uint8_t> indexes(picture.pixels.size());
    const SheetColourMatch match(palette, options.colourShift, highest);
    const auto bad = MatchSheetColours(picture.pixels, match, indexes);
    if (!bad) return indexes;
    const std::size_t pixel = static_cast<std::size_t>(bad->y) * kSheetSide + static_cast<std::size_t>(bad->x);
    if ((bad->argb >> 24) != 0xFF) return refuse(pixel, " is not opaque");
    return refuse(pixel, " has the colour #" + FormatHex(bad->argb & 0xFFFFFF, 6) +
                             ", which the palette gives to no index of format " + std::to_string(options.format));
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, TileSheetValueOptions(), TileSheetFlags(), error);
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
    const std::optional<PngPicture> picture = ReadSheetPicture(picturePath, options->sheets, err);
    if (!picture) return kFailed;
    if (options->indexed && !picture->indexed) {
        PrintFailure(err, picturePath + " is not an indexed-colour PNG (--indexed); nothing written");
        return kFailed;
    }
    const auto indexes = PictureIndexes(*picture, picturePath, PaletteInUse(tiles, doc), *options, err);
    if (!indexes) return kFailed;
    WriteSheetPicture(doc, SheetLayoutOf(doc), indexes->data(), options->pictureRows());
    return WriteDocumentTo(doc, output->second, out, err) ? kDone : kFailed;
}

}  // namespace

Command TilesImportCommand()
{
    return {"tiles-import",
            "tiles-import ROM SHEET.png --format FORMAT --offset HEX [--height H] [--width W] [--palette "
            "std|nes|zst|zst:FILE] "
            "[--shift N] [--rows N] [--indexed] -o OUT",
            kUsage, &Run};
}

}  // namespace zarvo::cli
