#pragma once
// Reading the PNG pictures the tile commands take back, with libspng.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zarvo::cli {

enum class PngReadError {
    None,
    NotPng,     // the bytes do not begin with the PNG signature (an empty file, a BMP)
    WrongSize,  // a PNG of other dimensions than asked for; nothing was decoded
    Damaged,    // cut off, a bad checksum, a broken chunk or image stream
};

struct PngPicture {
    PngReadError error = PngReadError::None;
    std::string reason;  // the decoder's words for Damaged
    uint32_t width = 0;  // from the header, for WrongSize too
    uint32_t height = 0;
    bool indexed = false;          // an indexed-colour picture: its indexes, not its colours
    std::vector<uint32_t> pixels;  // other pictures: 0xAARRGGBB, row by row; transparency chunks applied
    std::vector<uint8_t> indexes;  // indexed ones: one palette index a pixel, row by row, at any bit depth
};

// A PNG file's bytes as pixels, when the image is width x height. Every chunk up to
// the end of the file is checked, so a picture is returned only when all of it is
// there and sound; on any error no pixel is returned. An indexed-colour picture gives
// its indexes as they stand, whatever colours its palette holds.
[[nodiscard]] PngPicture DecodePng(const uint8_t* bytes, std::size_t size, uint32_t width, uint32_t height);

}  // namespace zarvo::cli
