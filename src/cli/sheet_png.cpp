#include "cli/sheet_png.h"

#include "cli/document_output.h"
#include "cli/png_codec.h"
#include "core/document_file.h"
#include "tiles/rgb565.h"

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
    return WriteCommandOutput(
        path, [&png](const ByteSink& sink) { return sink(png->data(), png->size()); }, out, err);
}

bool ReadSheetPicture(const std::string& path, SheetPicture& picture, std::ostream& err)
{
    // Read as every input file is read: regular files only.
    DocRecord file;
    if (OpenDocumentFile(file, path) != OpenError::None) {
        err << "zarvo-tool: cannot open " << path << "\n";
        return false;
    }
    std::string error;
    const std::optional<DecodedImage> image =
        DecodeImage(file.data(), static_cast<std::size_t>(std::max(file.fileSize, 0)), error);
    if (!image) {
        if (error.empty()) error = path + " is not an image zarvo-tool can read";
        err << "zarvo-tool: " << error << "\n";
        return false;
    }
    if (image->width != kSheetSide || image->height != kSheetSide) {
        err << "zarvo-tool: " << path << " is " << image->width << " x " << image->height
            << " pixels; a tile sheet is 128 x 128\n";
        return false;
    }
    std::copy(image->pixels.begin(), image->pixels.end(), picture.begin());
    return true;
}

}  // namespace zarvo::cli
