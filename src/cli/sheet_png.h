#pragma once
// Tile pictures as PNG files: 128 pixels wide and 128 rows for each sheet they hold.
// Written as RGB with 8-bit channels from the sheet's RGB565 colours, or as indexed
// colour with the palette in the file; read back as colours or, from an indexed
// picture, as its indexes.

#include "cli/png_decoder.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace zarvo::cli {

// Writes the RGB565 pixels (128 a row) as an RGB PNG to the output path a command
// names ("-" is out); false with a message on err.
[[nodiscard]] bool WriteSheetPng(std::span<const uint16_t> bitmap, const std::string& path, std::ostream& out,
                                 std::ostream& err);

// Writes the indexes (128 a row) as an indexed-colour PNG whose palette holds the
// RGB565 colours, one for each index; false with a message on err.
[[nodiscard]] bool WriteIndexedSheetPng(std::span<const uint8_t> indexes, std::span<const uint16_t> palette,
                                        const std::string& path, std::ostream& out, std::ostream& err);

// Reads a picture of `sheets` sheets (128 x 128 sheets pixels); nothing, with a
// message on err, when the file cannot be read, is no sound PNG, or has another size.
[[nodiscard]] std::optional<PngPicture> ReadSheetPicture(const std::string& path, int32_t sheets, std::ostream& err);

}  // namespace zarvo::cli
