#pragma once
// Writing the tile commands' pictures as PNG, with libspng. An RGB picture comes out
// byte for byte as the tool has always written it: 8-bit RGB, a pHYs chunk of 3,937
// pixels per metre, and the image stream compressed at zlib's fastest level with a
// 32 KiB window and memory level 8, each row with the filter whose bytes add up
// least, in IDAT chunks of 8,192 bytes. Scripts compare such files by checksum.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zarvo::cli {

// width x height pixels of three bytes (red, green, blue), row by row, as PNG bytes;
// nothing, with the reason in error, when libspng fails.
[[nodiscard]] std::optional<std::vector<uint8_t>> EncodeRgbPng(std::span<const uint8_t> rgb, uint32_t width,
                                                               uint32_t height, std::string& error);

// width x height colour indexes, one byte each, as an indexed-colour PNG of 8 bits
// per pixel whose palette holds the colours (0xRRGGBB, at most 256); every index
// must have a colour.
[[nodiscard]] std::optional<std::vector<uint8_t>> EncodeIndexedPng(std::span<const uint8_t> indexes,
                                                                   std::span<const uint32_t> palette, uint32_t width,
                                                                   uint32_t height, std::string& error);

}  // namespace zarvo::cli
