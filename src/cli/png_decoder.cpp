#include "cli/png_decoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <spng.h>

namespace zarvo::cli {

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kBytesPerPixel = 4;  // SPNG_FMT_RGBA8
// The last chunk's type and checksum; the chunk holds no data, so its checksum never changes.
constexpr std::array<uint8_t, 8> kEndChunk = {'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};

struct ContextRelease {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using Context = std::unique_ptr<spng_ctx, ContextRelease>;

PngPicture Damaged(int code)
{
    PngPicture picture;
    picture.error = PngReadError::Damaged;
    picture.reason = spng_strerror(code);
    return picture;
}

// Rows of indexes of 1, 2, 4 or 8 bits, the leftmost pixel in the highest bits, as
// one byte a pixel.
std::vector<uint8_t> UnpackIndexes(const std::vector<uint8_t>& rows, std::size_t rowBytes, uint32_t width,
                                   uint32_t height, uint32_t depth)
{
    if (depth == 8) return rows;
    std::vector<uint8_t> indexes(std::size_t{width} * height);
    const uint32_t mask = (1u << depth) - 1;
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = rows.data() + y * rowBytes;
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t bit = x * depth;
            indexes[std::size_t{y} * width + x] = static_cast<uint8_t>(row[bit / 8] >> (8 - depth - bit % 8) & mask);
        }
    }
    return indexes;
}

}  // namespace

PngPicture DecodePng(const uint8_t* bytes, std::size_t size, uint32_t width, uint32_t height)
{
    PngPicture picture;
    if (size < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), bytes)) {
        picture.error = PngReadError::NotPng;
        return picture;
    }
    const Context context(spng_ctx_new(0));
    if (!context) return Damaged(SPNG_EMEM);
    // A wrong checksum in any chunk, the optional ones included, is a damaged file.
    int code = spng_set_crc_action(context.get(), SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    if (code == 0) code = spng_set_png_buffer(context.get(), bytes, size);
    spng_ihdr header{};
    if (code == 0) code = spng_get_ihdr(context.get(), &header);
    if (code != 0) return Damaged(code);
    // Checked before decoding, so that a header claiming a huge image costs nothing.
    if (header.width != width || header.height != height) {
        picture.error = PngReadError::WrongSize;
        picture.width = header.width;
        picture.height = header.height;
        return picture;
    }
    const bool indexed = header.color_type == SPNG_COLOR_TYPE_INDEXED;
    // Indexes come in the PNG's own rows: packed to the bit depth, each row whole bytes.
    const std::size_t rowBytes =
        indexed ? (std::size_t{width} * header.bit_depth + 7) / 8 : std::size_t{width} * kBytesPerPixel;
    std::vector<uint8_t> rows(rowBytes * height);
    code = indexed ? spng_decode_image(context.get(), rows.data(), rows.size(), SPNG_FMT_PNG, 0)
                   : spng_decode_image(context.get(), rows.data(), rows.size(), SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    // The chunks after the image up to IEND: a file cut off after its pixels is cut off
    // too. The decoder stops at IEND's type, so its checksum is looked for here.
    if (code == 0) code = spng_decode_chunks(context.get());
    if (code != 0) return Damaged(code);
    const uint8_t* end = bytes + size;
    const uint8_t* last = std::find_end(bytes, end, kEndChunk.begin(), kEndChunk.begin() + 4);
    if (last == end || end - last < static_cast<std::ptrdiff_t>(kEndChunk.size()) ||
        !std::equal(kEndChunk.begin(), kEndChunk.end(), last)) {
        return Damaged(SPNG_EOF);
    }

    picture.width = width;
    picture.height = height;
    picture.indexed = indexed;
    if (indexed) {
        picture.indexes = UnpackIndexes(rows, rowBytes, width, height, header.bit_depth);
        return picture;
    }
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t pixel = 0; pixel < picture.pixels.size(); ++pixel) {
        const uint8_t* rgbaPixel = rows.data() + pixel * kBytesPerPixel;
        picture.pixels[pixel] = static_cast<uint32_t>(rgbaPixel[3]) << 24 | static_cast<uint32_t>(rgbaPixel[0]) << 16 |
                                static_cast<uint32_t>(rgbaPixel[1]) << 8 | rgbaPixel[2];
    }
    return picture;
}

}  // namespace zarvo::cli
