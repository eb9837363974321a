#pragma once
// PNG encoding and decoding for the tile commands, through the codec module that is
// loaded the first time one of them is needed (see png/png_module.cpp).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarvo::cli {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, row by row
};

// width x height RGB pixels (three bytes each) as PNG bytes; nothing, with the reason
// in error, when the codec cannot be loaded or fails.
[[nodiscard]] std::optional<std::vector<uint8_t>> EncodePng(const std::vector<uint8_t>& rgb, int width, int height,
                                                            std::string& error);

// An image file's bytes as pixels; nothing when they are no image (error empty) or the
// codec cannot be loaded (error says why).
[[nodiscard]] std::optional<DecodedImage> DecodeImage(const uint8_t* bytes, std::size_t size, std::string& error);

}  // namespace zarvo::cli
