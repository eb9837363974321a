#pragma once
// One strip of a tile format: 8 pixels wide, 1 to 32 rows tall, read from and
// written to the bytes that start at the strip's first byte. Pixels are colour
// indexes. Rows 8 and beyond belong to the following 8 x 8 tiles: row r is row
// r mod 8 of the tile that starts (r div 8) x 8 x bytesPerRow bytes further on.

#include <cstddef>
#include <cstdint>

namespace zarvo {

inline constexpr int32_t kStripWidth = 8;
inline constexpr int32_t kMaxStripHeight = 32;
inline constexpr int32_t kMaxStripExtent = 256;  // four 8-bit tiles of 64 bytes

// A height kept within 1..32, as every strip function reads it.
[[nodiscard]] int32_t StripHeightWithinLimits(int32_t height);

// How many bytes from the strip's first byte its rows reach: the last byte read is
// at StripExtent - 1. Bytes inside that span may belong to no row (taller planar strips).
[[nodiscard]] int32_t StripExtent(int32_t format, int32_t height);

// Decodes `height` rows from bytes[0 .. StripExtent): row r goes to pixels + r * stride.
void DecodeStrip(const uint8_t* bytes, int32_t format, int32_t height, uint8_t* pixels, std::ptrdiff_t stride);

// Encodes the first `rows` rows of pixels into exactly the bytes that decoding those
// rows reads; every other byte is left as it is. Bits of an index above the format's
// depth are dropped.
void EncodeStrip(const uint8_t* pixels, std::ptrdiff_t stride, int32_t format, int32_t rows, uint8_t* bytes);

}  // namespace zarvo
