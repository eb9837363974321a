// The PNG encoder of zarvo-tool, built as a module of its own that the tiles command
// loads when it writes a sheet: QtGui and the libraries it pulls in take longer to
// load than most commands take to finish, so no other command should pay for them.

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// zlib's fastest level: sheets of tiles still shrink to a fraction, noise costs little time.
constexpr int kPngQuality = 80;

// PNG support is built into QtGui; without this Qt would first look through (and load)
// every image plugin installed, which costs the command more than all its own work.
void UseBuiltInImageFormats() { QCoreApplication::setLibraryPaths({}); }

// A copy in memory the caller frees with zarvo_png_free; null when there is none.
void* CopyOut(const void* bytes, std::size_t size)
{
    void* copy = std::malloc(size == 0 ? 1 : size);
    if (copy != nullptr && size > 0) std::memcpy(copy, bytes, size);
    return copy;
}

}  // namespace

extern "C" {

// width x height pixels of three bytes (red, green, blue) to PNG bytes; 0 on success.
__attribute__((visibility("default"))) int zarvo_png_encode_rgb888(const uint8_t* rgb, int width, int height,
                                                                   uint8_t** png, std::size_t* size)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(y), rgb + static_cast<std::size_t>(y) * width * 3,
                    static_cast<std::size_t>(width) * 3);
    }
    UseBuiltInImageFormats();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", kPngQuality)) return 1;
    *png = static_cast<uint8_t*>(CopyOut(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    *size = static_cast<std::size_t>(bytes.size());
    return *png == nullptr ? 1 : 0;
}

__attribute__((visibility("default"))) void zarvo_png_free(void* memory) { std::free(memory); }

}  // extern "C"
