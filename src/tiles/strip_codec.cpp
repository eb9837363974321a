#include "tiles/strip_codec.h"

#include "tiles/tile_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace zarvo {

namespace {

static_assert(std::endian::native == std::endian::little, "rows of 8 pixels are handled as one 64-bit word");

enum class RowKind {
    Planar,            // one byte per plane, bit 7 the leftmost pixel
    BytePerPixel,      // eight bytes, each a whole index
    NibblesLowFirst,   // four bytes, the low nibble the left pixel of a pair
    NibblesHighFirst,  // four bytes, the high nibble the left pixel of a pair
};

// Where plane p of row r of an 8 x 8 tile lies: base + step * r bytes into the tile.
struct PlaneByte {
    int32_t base;
    int32_t step;
};

struct StripLayout {
    RowKind kind;
    int32_t planes;  // Planar only
    std::array<PlaneByte, 8> plane;
    int32_t rowStep;  // the other kinds: bytes from one row to the next
    int32_t rowBytes;
};

constexpr std::array<StripLayout, kTileFormatCount> kLayouts = {{
    {RowKind::Planar, 1, {{{0, 1}}}, 0, 0},
    {RowKind::Planar, 2, {{{0, 1}, {8, 1}}}, 0, 0},
    {RowKind::Planar, 2, {{{0, 2}, {1, 2}}}, 0, 0},
    {RowKind::Planar, 4, {{{0, 2}, {1, 2}, {16, 2}, {17, 2}}}, 0, 0},
    {RowKind::Planar, 8, {{{0, 2}, {1, 2}, {16, 2}, {17, 2}, {32, 2}, {33, 2}, {48, 2}, {49, 2}}}, 0, 0},
    {RowKind::BytePerPixel, 0, {}, 8, 8},
    {RowKind::Planar, 4, {{{0, 4}, {1, 4}, {2, 4}, {3, 4}}}, 0, 0},
    {RowKind::NibblesLowFirst, 0, {}, 4, 4},
    {RowKind::NibblesHighFirst, 0, {}, 4, 4},
    {RowKind::Planar, 3, {{{0, 2}, {1, 2}, {16, 1}}}, 0, 0},
}};

// For every plane byte the eight pixels it gives, bit 7 in the first byte of the word.
constexpr std::array<uint64_t, 256> MakeSpreadBits()
{
    std::array<uint64_t, 256> spread{};
    for (unsigned value = 0; value < 256; ++value) {
        uint64_t word = 0;
        for (unsigned x = 0; x < 8; ++x) word |= static_cast<uint64_t>((value >> (7 - x)) & 1) << (8 * x);
        spread[value] = word;
    }
    return spread;
}
constexpr std::array<uint64_t, 256> kSpreadBits = MakeSpreadBits();

[[nodiscard]] const StripLayout& LayoutOf(int32_t format)
{
    return kLayouts[static_cast<std::size_t>(format < 0 || format >= kTileFormatCount ? 0 : format)];
}

// Bytes from the strip's start to row r's tile.
[[nodiscard]] int32_t TileStart(int32_t format, int32_t row)
{
    return (row / 8) * 8 * TileFormatOf(format).bytesPerRow;
}

void DecodeRow(const StripLayout& layout, const uint8_t* tile, int32_t row, uint8_t* pixels)
{
    switch (layout.kind) {
    case RowKind::Planar: {
        uint64_t word = 0;
        for (int32_t p = 0; p < layout.planes; ++p) {
            word |= kSpreadBits[tile[layout.plane[p].base + layout.plane[p].step * row]] << p;
        }
        std::memcpy(pixels, &word, sizeof word);
        return;
    }
    case RowKind::BytePerPixel:
        std::memcpy(pixels, tile + layout.rowStep * row, 8);
        return;
    case RowKind::NibblesLowFirst:
    case RowKind::NibblesHighFirst: {
        const bool lowFirst = layout.kind == RowKind::NibblesLowFirst;
        const uint8_t* bytes = tile + layout.rowStep * row;
        for (int k = 0; k < 4; ++k) {
            const uint8_t low = bytes[k] & 0x0F;
            const uint8_t high = bytes[k] >> 4;
            pixels[2 * k] = lowFirst ? low : high;
            pixels[2 * k + 1] = lowFirst ? high : low;
        }
        return;
    }
    }
}

void EncodeRow(const StripLayout& layout, const uint8_t* pixels, uint8_t* tile, int32_t row)
{
    switch (layout.kind) {
    case RowKind::Planar:
        for (int32_t p = 0; p < layout.planes; ++p) {
            unsigned packed = 0;
            for (int x = 0; x < 8; ++x) packed |= ((pixels[x] >> p) & 1u) << (7 - x);
            tile[layout.plane[p].base + layout.plane[p].step * row] = static_cast<uint8_t>(packed);
        }
        return;
    case RowKind::BytePerPixel:
        std::memcpy(tile + layout.rowStep * row, pixels, 8);
        return;
    case RowKind::NibblesLowFirst:
    case RowKind::NibblesHighFirst: {
        const bool lowFirst = layout.kind == RowKind::NibblesLowFirst;
        uint8_t* bytes = tile + layout.rowStep * row;
        for (int k = 0; k < 4; ++k) {
            const unsigned left = pixels[2 * k] & 0x0Fu;
            const unsigned right = pixels[2 * k + 1] & 0x0Fu;
            bytes[k] = static_cast<uint8_t>(lowFirst ? (left | right << 4) : (left << 4 | right));
        }
        return;
    }
    }
}

}  // namespace

int32_t StripHeightWithinLimits(int32_t height) { return std::clamp(height, 1, kMaxStripHeight); }

int32_t StripExtent(int32_t format, int32_t height)
{
    const StripLayout& layout = LayoutOf(format);
    const int32_t lastRow = StripHeightWithinLimits(height) - 1;
    const int32_t row = lastRow % 8;
    int32_t reach = 0;
    if (layout.kind == RowKind::Planar) {
        for (int32_t p = 0; p < layout.planes; ++p) {
            reach = std::max(reach, layout.plane[p].base + layout.plane[p].step * row + 1);
        }
    } else {
        reach = layout.rowStep * row + layout.rowBytes;
    }
    return TileStart(format, lastRow) + reach;
}

void DecodeStrip(const uint8_t* bytes, int32_t format, int32_t height, uint8_t* pixels, std::ptrdiff_t stride)
{
    const StripLayout& layout = LayoutOf(format);
    const int32_t rows = StripHeightWithinLimits(height);
    for (int32_t r = 0; r < rows; ++r) DecodeRow(layout, bytes + TileStart(format, r), r % 8, pixels + r * stride);
}

void EncodeStrip(const uint8_t* pixels, std::ptrdiff_t stride, int32_t format, int32_t rows, uint8_t* bytes)
{
    const StripLayout& layout = LayoutOf(format);
    const int32_t count = std::min(rows, kMaxStripHeight);
    for (int32_t r = 0; r < count; ++r) EncodeRow(layout, pixels + r * stride, bytes + TileStart(format, r), r % 8);
}

}  // namespace zarvo
