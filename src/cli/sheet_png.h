#pragma once
// Tile sheets as PNG files: written with 8-bit channels from the sheet's RGB565
// colours, and read back as 0xAARRGGBB pixels for the import.

#include "core/tile_session.h"
#include "tiles/sheet_paint.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

namespace zarvo::cli {

using SheetPicture = std::array<uint32_t, kSheetSide * kSheetSide>;

// Writes the 128 x 128 sheet as an RGB PNG to the output path a command names ("-"
// is out); false with a message on err.
[[nodiscard]] bool WriteSheetPng(const SheetBitmap& bitmap, const std::string& path, std::ostream& out,
                                 std::ostream& err);

// Reads a 128 x 128 image; false with a message on err when the file cannot be read,
// is no image, or has another size.
[[nodiscard]] bool ReadSheetPicture(const std::string& path, SheetPicture& picture, std::ostream& err);

}  // namespace zarvo::cli
