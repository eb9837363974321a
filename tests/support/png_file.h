#pragma once
// PNG pictures for the tile command tests, read and written with libspng itself as an
// image editor would: every picture's colours, an indexed one's indexes and palette.

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <spng.h>
#include <string>
#include <vector>

namespace zarvo::testing {

struct TestPicture {
    bool sound = false;  // a complete PNG that libspng decodes
    spng_ihdr header{};
    std::vector<uint32_t> argb;     // every pixel's colour, 0xAARRGGBB
    std::vector<uint8_t> indexes;   // an 8-bit indexed picture's indexes
    std::vector<uint32_t> palette;  // its palette, 0xRRGGBB
};

inline TestPicture ReadPicture(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    TestPicture picture;
    spng_ctx* context = spng_ctx_new(0);
    std::size_t size = 0;
    if (spng_set_png_buffer(context, bytes.data(), bytes.size()) == 0 && spng_get_ihdr(context, &picture.header) == 0 &&
        spng_decoded_image_size(context, SPNG_FMT_RGBA8, &size) == 0) {
        std::vector<uint8_t> rgba(size);
        picture.sound = spng_decode_image(context, rgba.data(), size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) == 0;
        for (std::size_t at = 0; at + 3 < rgba.size(); at += 4) {
            picture.argb.push_back(uint32_t{rgba[at + 3]} << 24 | uint32_t{rgba[at]} << 16 |
                                   uint32_t{rgba[at + 1]} << 8 | rgba[at + 2]);
        }
        spng_plte palette{};
        if (spng_get_plte(context, &palette) == 0) {
            for (uint32_t k = 0; k < palette.n_entries; ++k) {
                const spng_plte_entry& entry = palette.entries[k];
                picture.palette.push_back(uint32_t{entry.red} << 16 | uint32_t{entry.green} << 8 | entry.blue);
            }
        }
    }
    spng_ctx_free(context);
    if (picture.sound && picture.header.color_type == SPNG_COLOR_TYPE_INDEXED && picture.header.bit_depth == 8) {
        context = spng_ctx_new(0);
        spng_set_png_buffer(context, bytes.data(), bytes.size());
        picture.indexes.resize(std::size_t{picture.header.width} * picture.header.height);
        spng_decode_image(context, picture.indexes.data(), picture.indexes.size(), SPNG_FMT_PNG, 0);
        spng_ctx_free(context);
    }
    return picture;
}

// Writes rows of samples as a PNG with the header's format (and palette, if any).
inline void WritePicture(const std::string& path, spng_ihdr header, const std::vector<uint8_t>& rows,
                         const std::vector<uint32_t>& palette = {})
{
    spng_ctx* context = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_set_option(context, SPNG_ENCODE_TO_BUFFER, 1);
    spng_set_ihdr(context, &header);
    if (!palette.empty()) {
        spng_plte entries{};
        entries.n_entries = static_cast<uint32_t>(palette.size());
        for (std::size_t k = 0; k < palette.size(); ++k) {
            entries.entries[k] = {static_cast<uint8_t>(palette[k] >> 16), static_cast<uint8_t>(palette[k] >> 8),
                                  static_cast<uint8_t>(palette[k]), 255};
        }
        spng_set_plte(context, &entries);
    }
    spng_encode_image(context, rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    std::size_t size = 0;
    int error = 0;
    void* png = spng_get_png_buffer(context, &size, &error);
    std::ofstream(path, std::ios::binary).write(static_cast<const char*>(png), static_cast<std::streamsize>(size));
    std::free(png);
    spng_ctx_free(context);
}

// An RGBA picture of the colours (0xAARRGGBB).
inline void WriteColourPicture(const std::string& path, uint32_t width, uint32_t height,
                               const std::vector<uint32_t>& argb)
{
    std::vector<uint8_t> rows;
    for (const uint32_t colour : argb) {
        rows.insert(rows.end(), {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                 static_cast<uint8_t>(colour), static_cast<uint8_t>(colour >> 24)});
    }
    WritePicture(path, {width, height, 8, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 0, 0, 0}, rows);
}

}  // namespace zarvo::testing
