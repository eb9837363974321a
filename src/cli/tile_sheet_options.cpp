#include "cli/tile_sheet_options.h"

#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/rom_input.h"
#include "core/document_file.h"
#include "core/table_session.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_layout.h"
#include "tiles/strip_codec.h"
#include "tiles/tile_format.h"
#include "tiles/zst_palette_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>

namespace zarvo::cli {

namespace {

// A decimal number with an optional sign, the whole word, within 32 bits.
[[nodiscard]] std::optional<int32_t> ParseSignedCount(const std::string& text)
{
    const bool negative = !text.empty() && text[0] == '-';
    const auto magnitude = ParseCount(negative ? text.substr(1) : text, 0, INT32_MAX);
    if (!magnitude) {
        if (text == "-2147483648") return INT32_MIN;
        return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
}

// The names --format takes, in the order of the format numbers.
constexpr std::array<std::string_view, kTileFormatCount> kFormatNames = {
    "1bpp", "nes", "gb", "snes4", "snes8", "mode7", "sms", "gba4", "genesis", "snes3",
};

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// "A ZST palette was asked for but there is none": why, for a script's user.
std::string MissingZstPaletteText(const std::string& romPath)
{
    if (!IsSavestatePath(romPath)) {
        return "--palette zst: " + romPath +
               " is not a ZSNES savestate (its extension does not begin with .zs) and holds no ZST palette";
    }
    return "--palette zst: " + romPath + " is too short to hold a savestate palette (" +
           std::to_string(kSavestatePaletteOffset + kSavestatePaletteBytes) + " bytes are needed)";
}

}  // namespace

std::optional<int32_t> ParseTileFormat(std::string_view text)
{
    if (const auto number = ParseCount(std::string(text), 0, kTileFormatCount - 1)) return number;
    for (int32_t format = 0; format < kTileFormatCount; ++format) {
        if (SameLetters(text, kFormatNames[static_cast<std::size_t>(format)])) return format;
    }
    return std::nullopt;
}

std::set<std::string> TileSheetValueOptions()
{
    return {"--format", "--offset", "--height", "--width", "--palette", "--shift", "--rows", "-o"};
}

std::set<std::string> TileSheetFlags() { return {"--indexed"}; }

std::optional<TileSheetOptions> ReadTileSheetOptions(const ParsedArguments& parsed, std::string& error)
{
    const auto option = [&](const char* name) -> const std::string* {
        const auto found = parsed.values.find(name);
        return found == parsed.values.end() ? nullptr : &found->second;
    };
    const auto fail = [&error](const char* why) -> std::optional<TileSheetOptions> {
        error = why;
        return std::nullopt;
    };
    TileSheetOptions options;

    const std::string* format = option("--format");
    if (format == nullptr) return fail("--format FORMAT is needed");
    const auto formatNumber = ParseTileFormat(*format);
    if (!formatNumber) {
        return fail(
            "--format needs a format number from 0 to 9 or its name: 1bpp, nes, gb, snes4, snes8, mode7, sms, "
            "gba4, genesis, snes3");
    }
    options.format = *formatNumber;

    const std::string* offset = option("--offset");
    if (offset == nullptr) return fail("--offset HEX is needed");
    const auto offsetValue = ParseHexArgument("--offset", *offset, kOffsetLimit, error);
    if (!offsetValue) return std::nullopt;
    options.offset = static_cast<int32_t>(*offsetValue);

    if (const std::string* height = option("--height")) {
        const auto value = ParseCount(*height, 1, kMaxStripHeight);
        if (!value) return fail("--height needs a tile height from 1 to 32");
        options.stripHeight = *value;
    }
    if (const std::string* width = option("--width")) {
        const auto value = ParseCount(*width, 1, kMaxStripsAcross);
        if (!value) return fail("--width needs a window width from 1 to 16");
        options.stripsAcross = *value;
    }
    if (const std::string* shift = option("--shift")) {
        const auto value = ParseSignedCount(*shift);
        if (!value) return fail("--shift needs a decimal colour shift");
        options.colourShift = *value;
    }
    if (const std::string* rows = option("--rows")) {
        const auto value = ParseCount(*rows, 1, kMaxSheetRows);
        if (!value) return fail("--rows needs a number of sheets from 1 to 1024");
        options.sheets = *value;
    }
    options.indexed = parsed.flags.count("--indexed") != 0;
    if (const std::string* palette = option("--palette")) {
        if (*palette == "std") {
            options.palette = TilePalette::Standard;
        } else if (*palette == "nes") {
            options.palette = TilePalette::Nes;
        } else if (*palette == "zst") {
            options.palette = TilePalette::Zst;
        } else if (palette->rfind("zst:", 0) == 0 && palette->size() > 4) {
            options.palette = TilePalette::Zst;
            options.savestatePath = palette->substr(4);
        } else {
            return fail("--palette needs std, nes, zst or zst:FILE");
        }
    }
    return options;
}

bool PrepareTileSheet(DocRecord& doc, TileSession& tiles, const std::string& romPath, const TileSheetOptions& options,
                      std::ostream& err, RomBytes bytes)
{
    TableSession tables;
    std::optional<RomReader> rom;
    if (bytes == RomBytes::Whole) {
        if (!LoadRom(doc, tables, romPath, err)) return false;
    } else {
        rom.emplace(romPath);
        if (!rom->open(doc, tables, err) ||
            !rom->readRange(doc, kSavestatePaletteOffset, kSavestatePaletteOffset + kSavestatePaletteBytes, err)) {
            return false;
        }
    }
    if (IsSavestatePath(romPath)) ReadSavestatePalette(doc);
    if (!options.savestatePath.empty()) {
        const ZstPaletteLoad loaded = LoadZstPalette(doc, options.savestatePath);
        if (const char* message = ZstPaletteMessage(loaded)) {
            PrintLine(err, message);
            return false;
        }
        // The editor ignores such a file in silence; a script is told, and gets the sheet the editor shows.
        if (loaded == ZstPaletteLoad::NotSavestate) {
            err << "zarvo-tool: " << options.savestatePath
                << " is not named as a ZSNES savestate (.zs...); its palette is not used\n";
        }
    }
    // The editor draws with the standard palette when the document has no ZST palette;
    // a script that asked for one is told instead.
    if (options.palette == TilePalette::Zst && !doc.savestatePalette) {
        PrintFailure(err, MissingZstPaletteText(romPath));
        return false;
    }
    tiles.palette = options.palette;
    tiles.colourShift = options.colourShift;
    SelectTileFormat(doc.tileView, options.format);
    doc.tileView.stripHeight = options.stripHeight;
    doc.tileView.stripsAcross = options.stripsAcross;
    doc.topOffset =
        ClampSheetOffset(options.offset, options.format, options.stripHeight, doc.viewSize, options.pictureRows());
    // The strips start ever further on: the last one ends the bytes shown.
    return bytes == RomBytes::Whole ||
           rom->readRange(doc, doc.topOffset, SheetPictureEnd(SheetLayoutOf(doc), options.pictureRows()), err);
}

}  // namespace zarvo::cli
