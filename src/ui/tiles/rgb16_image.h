#pragma once
// The tile editor's RGB565 bitmaps as Qt images and colours. QImage::Format_RGB16
// holds exactly the logic's 16-bit words, so a bitmap is copied row by row as it is.

#include <QColor>
#include <QImage>

#include <cstdint>

namespace zarvo {

// A width x height image of the words, row by row.
[[nodiscard]] QImage Rgb16Image(const uint16_t* pixels, int width, int height);
// The colour as the screen shows it: each channel's top bits repeated into its low bits.
[[nodiscard]] QColor Rgb565Colour(uint16_t colour);

}  // namespace zarvo
