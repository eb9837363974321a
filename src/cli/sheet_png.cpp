#include "cli/sheet_png.h"

#include "cli/document_output.h"
#include "cli/png_codec.h"
#include "cli/png_decoder.h"
#include "cli/rom_input.h"
#include "tiles/rgb565.h"

#include <algorithm>
#include <span>

namespace zarvo::cli {

bool WriteSheetPng(const SheetBitmap& bitmap, const std::string& path, std::ostream& out, std::ostream& err)
{
    std::vector<uint8_t> rgb(static_cast<std::size_t>(kSheetSide) * kSheetSide * 3);
    for (std::size_t pixel = 0; pixel < bitmap.size() && 3 * pixel + 2 < rgb.size(); ++pixel) {
        const uint32_t colour = Rgb565ToRgb888(bitmap[pixel]);
        rgb[3 * pixel] = static_cast<uint8_t>(colour >> 16);
        rgb[3 * pixel + 1] = static_cast<uint8_t>(colour >> 8);
        rgb[3 * pixel + 2] = static_cast<uint8_t>(colour);
    }
    std::string error;
    const std::optional<std::vector<uint8_t>> png = EncodePng(rgb, kSheetSide, kSheetSide, error);
    if (!png) {
        err << "zarvo-tool: " << error << "\n";
        return false;
    }
    return WriteBytesOutput(path, *png, out, err);
}

bool ReadSheetPicture(const std::string& path, SheetPicture& picture, std::ostream& err)
{
    // Read as every input file is read: regular files only.
    const std::optional<InputBytes> file = ReadInput(path, err);
    if (!file) return false;
    const std::span<const uint8_t> bytes = file->content();
    const PngPicture png = DecodePng(bytes.data(), bytes.size(), kSheetSide, kSheetSide);
    switch (png.error) {
    case PngReadError::None:
        std::copy(png.pixels.begin(), png.pixels.end(), picture.begin());
        return true;
    case PngReadError::NotPng:
        PrintFailure(err, path + " is not a PNG image");
        return false;
    case PngReadError::WrongSize:
        PrintFailure(err, path + " is " + std::to_string(png.width) + " x " + std::to_string(png.height) +
                              " pixels; a tile sheet is 128 x 128");
        return false;
    case PngReadError::Damaged:
        break;
    }
    PrintFailure(err, path + " is not a complete, sound PNG image: " + png.reason);
    return false;
}

}  // namespace zarvo::cli
