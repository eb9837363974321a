#include "cli/sheet_png.h"

#include "core/document_file.h"
#include "tiles/rgb565.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>

namespace zarvo::cli {

namespace {

// zlib's fastest level: sheets of tiles still shrink to a fraction, noise costs little time.
constexpr int kPngQuality = 80;

// PNG support is built into QtGui; without this Qt would first look through (and load)
// every image plugin installed, which costs the command more than all its own work.
void UseBuiltInImageFormats() { QCoreApplication::setLibraryPaths({}); }

}  // namespace

bool WriteSheetPng(const SheetBitmap& bitmap, const std::string& path, std::ostream& err)
{
    QImage image(kSheetSide, kSheetSide, QImage::Format_RGB888);
    for (int y = 0; y < kSheetSide; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < kSheetSide; ++x) {
            const uint32_t rgb = Rgb565ToRgb888(bitmap[static_cast<std::size_t>(y * kSheetSide + x)]);
            line[3 * x] = static_cast<uchar>(rgb >> 16);
            line[3 * x + 1] = static_cast<uchar>(rgb >> 8);
            line[3 * x + 2] = static_cast<uchar>(rgb);
        }
    }
    UseBuiltInImageFormats();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", kPngQuality)) {
        err << "zarvo-tool: cannot make the PNG image\n";
        return false;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(png.constData());
    if (WriteFileReplacing(path, bytes, static_cast<std::size_t>(png.size())) == SaveError::None) return true;
    err << "zarvo-tool: cannot write " << path << "\n";
    return false;
}

bool ReadSheetPicture(const std::string& path, SheetPicture& picture, std::ostream& err)
{
    // Read as every input file is read: regular files only.
    DocRecord file;
    if (OpenDocumentFile(file, path) != OpenError::None) {
        err << "zarvo-tool: cannot open " << path << "\n";
        return false;
    }
    UseBuiltInImageFormats();
    QImage image;
    if (file.fileSize == 0 || !image.loadFromData(file.data(), file.fileSize)) {
        err << "zarvo-tool: " << path << " is not an image zarvo-tool can read\n";
        return false;
    }
    if (image.width() != kSheetSide || image.height() != kSheetSide) {
        err << "zarvo-tool: " << path << " is " << image.width() << " x " << image.height()
            << " pixels; a tile sheet is 128 x 128\n";
        return false;
    }
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < kSheetSide; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < kSheetSide; ++x) picture[static_cast<std::size_t>(y * kSheetSide + x)] = line[x];
    }
    return true;
}

}  // namespace zarvo::cli
