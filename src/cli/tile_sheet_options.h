#pragma once
// The options the tile commands share (format, offset, height, width, palette,
// shift) and the sheet they set up: the ROM loaded as the editor loads it, with the
// tile view switched to the options and its sheet drawn.

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

// The value options both commands take.
[[nodiscard]] std::set<std::string> TileSheetValueOptions();

struct TileSheetOptions {
    int32_t format = 0;
    int32_t offset = 0;
    int32_t stripHeight = 8;
    int32_t stripsAcross = 16;
    TilePalette palette = TilePalette::Standard;
    std::string savestatePath;  // zst:FILE; empty for the ROM's own savestate palette
    int32_t colourShift = 0;
};

// Reads the options; on a wrong value gives nothing and the reason in error.
[[nodiscard]] std::optional<TileSheetOptions> ReadTileSheetOptions(const ParsedArguments& parsed, std::string& error);

// Loads the ROM (a savestate's palette included, as Open reads it), loads the ZST
// palette the options name, sets format, height, width and the sheet offset, and
// draws the sheet through the end-of-data clamp. False with a message on err when
// a file cannot be read.
[[nodiscard]] bool PrepareTileSheet(DocRecord& doc, TileSession& tiles, const std::string& romPath,
                                    const TileSheetOptions& options, std::ostream& err);

}  // namespace zarvo::cli
