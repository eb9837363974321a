#pragma once
// The options the tile commands share (format, offset, height, width, palette,
// shift, sheets, indexed colour) and the sheet they set up: the ROM loaded as the
// editor loads it, with the tile view switched to the options and its offset kept
// inside the data as the view keeps it.

#include "cli/arguments.h"
#include "core/document.h"
#include "core/tile_session.h"

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

namespace zarvo::cli {

// A tile format given to --format: its number (0 to 9, the rows of the format table;
// the tile window's key is the next digit, 0 for 9) or its name (1bpp, nes, gb, snes4,
// snes8, mode7, sms, gba4, genesis, snes3; any letter case).
[[nodiscard]] std::optional<int32_t> ParseTileFormat(std::string_view text);

// The sheets --rows takes at most: a picture of 128 x 131,072 pixels.
inline constexpr int32_t kMaxSheetRows = 1024;

// The value options and the flags both commands take.
[[nodiscard]] std::set<std::string> TileSheetValueOptions();
[[nodiscard]] std::set<std::string> TileSheetFlags();

struct TileSheetOptions {
    int32_t format = 0;
    int32_t offset = 0;
    int32_t stripHeight = 8;
    int32_t stripsAcross = 16;
    TilePalette palette = TilePalette::Standard;
    std::string savestatePath;  // zst:FILE; empty for the ROM's own savestate palette
    int32_t colourShift = 0;
    int32_t sheets = 1;    // --rows: sheets' worth of data in one picture, one below the other
    bool indexed = false;  // --indexed: an indexed-colour picture, the palette in the file

    // The picture's rows: 128 a sheet.
    [[nodiscard]] int32_t pictureRows() const { return kSheetSide * sheets; }
};

// Reads the options; on a wrong value gives nothing and the reason in error.
[[nodiscard]] std::optional<TileSheetOptions> ReadTileSheetOptions(const ParsedArguments& parsed, std::string& error);

// What PrepareTileSheet reads of the ROM.
enum class RomBytes {
    Whole,      // every byte: the document is written out afterwards
    SheetOnly,  // the bytes the picture shows and a savestate's palette; the rest is zero
};

// Loads the ROM (a savestate's palette included, as Open reads it), loads the ZST
// palette the options name, and sets format, height, width and the offset, moved
// back by the end-of-data clamp over the whole picture. False with a message on err
// when a file cannot be read.
[[nodiscard]] bool PrepareTileSheet(DocRecord& doc, TileSession& tiles, const std::string& romPath,
                                    const TileSheetOptions& options, std::ostream& err,
                                    RomBytes bytes = RomBytes::Whole);

}  // namespace zarvo::cli
