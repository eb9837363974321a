#include "ui/tiles/rgb16_image.h"

#include "tiles/rgb565.h"

#include <cstring>

namespace zarvo {

QImage Rgb16Image(const uint16_t* pixels, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB16);
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(uint16_t);
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(y), pixels + static_cast<std::ptrdiff_t>(y) * width, rowBytes);
    }
    return image;
}

QColor Rgb565Colour(uint16_t colour) { return QColor::fromRgb(Rgb565ToRgb888(colour)); }

}  // namespace zarvo
