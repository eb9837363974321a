#pragma once
// PNG encoding for the tile commands, through the codec module that is loaded the
// first time a sheet is written (see png/png_module.cpp).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarvo::cli {

// width x height RGB pixels (three bytes each) as PNG bytes; nothing, with the reason
// in error, when the codec cannot be loaded or fails.
[[nodiscard]] std::optional<std::vector<uint8_t>> EncodePng(const std::vector<uint8_t>& rgb, int width, int height,
                                                            std::string& error);

}  // namespace zarvo::cli
