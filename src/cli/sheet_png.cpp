#include "cli/sheet_png.h"

#include "cli/document_output.h"
#include "cli/png_encoder.h"
#include "cli/rom_input.h"
#include "core/tile_session.h"
#include "tiles/rgb565.h"

#include <vector>

namespace zarvo::cli {

namespace {

bool WritePng(const std::optional<std::vector<uint8_t>>& png, const std::string& error, const std::string& path,
              std::ostream& out, std::ostream& err)
{
    if (!png) {
        PrintFailure(err, error);
        return false;
    }
    return WriteBytesOutput(path, *png, out, err);
}

uint32_t Rows(std::size_t pixels) { return static_cast<uint32_t>(pixels / kSheetSide); }

}  // namespace

bool WriteSheetPng(std::span<const uint16_t> bitmap, const std::string& path, std::ostream& out, std::ostream& err)
{
    std::vector<uint8_t> rgb(bitmap.size() * 3);
    for (std::size_t pixel = 0; pixel < bitmap.size(); ++pixel) {
        const uint32_t colour = Rgb565ToRgb888(bitmap[pixel]);
        rgb[3 * pixel] = static_cast<uint8_t>(colour >> 16);
        rgb[3 * pixel + 1] = static_cast<uint8_t>(colour >> 8);
        rgb[3 * pixel + 2] = static_cast<uint8_t>(colour);
    }
    std::string error;
    const auto png = EncodeRgbPng(rgb, kSheetSide, Rows(bitmap.size()), error);
    return WritePng(png, error, path, out, err);
}

bool WriteIndexedSheetPng(std::span<const uint8_t> indexes, std::span<const uint16_t> palette, const std::string& path,
                          std::ostream& out, std::ostream& err)
{
    std::vector<uint32_t> colours(palette.size());
    for (std::size_t entry = 0; entry < palette.size(); ++entry) colours[entry] = Rgb565ToRgb888(palette[entry]);
    std::string error;
    const auto png = EncodeIndexedPng(indexes, colours, kSheetSide, Rows(indexes.size()), error);
    return WritePng(png, error, path, out, err);
}

std::optional<PngPicture> ReadSheetPicture(const std::string& path, int32_t sheets, std::ostream& err)
{
    // Read as every input file is read: regular files only.
    const std::optional<InputBytes> file = ReadInput(path, err);
    if (!file) return std::nullopt;
    const std::span<const uint8_t> bytes = file->content();
    const auto height = static_cast<uint32_t>(kSheetSide * sheets);
    PngPicture png = DecodePng(bytes.data(), bytes.size(), kSheetSide, height);
    switch (png.error) {
    case PngReadError::None:
        return png;
    case PngReadError::NotPng:
        PrintFailure(err, path + " is not a PNG image");
        return std::nullopt;
    case PngReadError::WrongSize:
        PrintFailure(err,
                     path + " is " + std::to_string(png.width) + " x " + std::to_string(png.height) + " pixels; " +
                         (sheets == 1 ? std::string("a tile sheet is 128 x 128")
                                      : std::to_string(sheets) + " tile sheets are 128 x " + std::to_string(height)));
        return std::nullopt;
    case PngReadError::Damaged:
        break;
    }
    PrintFailure(err, path + " is not a complete, sound PNG image: " + png.reason);
    return std::nullopt;
}

}  // namespace zarvo::cli
