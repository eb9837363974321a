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

// Four bytes of nibble pairs to eight pixels.
[[nodiscard]] constexpr uint64_t NibblesToPixels(uint32_t bytes, bool lowFirst)
{
    uint64_t lanes = bytes;  // byte k to the low byte of 16-bit lane k
    lanes = (lanes | lanes << 16) & 0x0000FFFF0000FFFFull;
    lanes = (lanes | lanes << 8) & 0x00FF00FF00FF00FFull;
    const uint64_t low = lanes & 0x000F000F000F000Full;
    const uint64_t high = (lanes >> 4) & 0x000F000F000F000Full;
    return lowFirst ? (low | high << 8) : (high | low << 8);
}
static_assert(NibblesToPixels(0x21, true) == 0x0201, "0x21: pixel 0 is 1, pixel 1 is 2");

[[nodiscard]] const StripLayout& LayoutOf(int32_t format)
{
    return kLayouts[static_cast<std::size_t>(format < 0 || format >= kTileFormatCount ? 0 : format)];
}

// Bytes from the strip's start to row r's tile.
[[nodiscard]] int32_t TileStart(int32_t format, int32_t row)
{
    return (row / 8) * 8 * TileFormatOf(format).bytesPerRow;
}

// One format's rows, with the layout known at compile time so that the plane loops unroll.
template <int32_t Format>
void DecodeRows(const uint8_t* bytes, int32_t rows, uint8_t* pixels, std::ptrdiff_t stride)
{
    constexpr StripLayout layout = kLayouts[Format];
    constexpr int32_t tileBytes = 8 * kTileFormats[Format].bytesPerRow;
    for (int32_t r = 0; r < rows; ++r, pixels += stride) {
        const uint8_t* tile = bytes + (r / 8) * tileBytes;
        const int32_t row = r % 8;
        if constexpr (layout.kind == RowKind::Planar) {
            uint64_t word = 0;
            for (int32_t p = 0; p < layout.planes; ++p) {
                word |= kSpreadBits[tile[layout.plane[p].base + layout.plane[p].step * row]] << p;
            }
            std::memcpy(pixels, &word, sizeof word);
        } else if constexpr (layout.kind == RowKind::BytePerPixel) {
            std::memcpy(pixels, tile + layout.rowStep * row, 8);
        } else {
            uint32_t bytes4 = 0;
            std::memcpy(&bytes4, tile + layout.rowStep * row, sizeof bytes4);
            const uint64_t word = NibblesToPixels(bytes4, layout.kind == RowKind::NibblesLowFirst);
            std::memcpy(pixels, &word, sizeof word);
        }
    }
}

using RowDecoder = void (*)(const uint8_t*, int32_t, uint8_t*, std::ptrdiff_t);
constexpr std::array<RowDecoder, kTileFormatCount> kRowDecoders = {
    &DecodeRows<0>, &DecodeRows<1>, &DecodeRows<2>, &DecodeRows<3>, &DecodeRows<4>,
    &DecodeRows<5>, &DecodeRows<6>, &DecodeRows<7>, &DecodeRows<8>, &DecodeRows<9>,
};

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
    const RowDecoder decode =
        kRowDecoders[static_cast<std::size_t>(format < 0 || format >= kTileFormatCount ? 0 : format)];
    decode(bytes, StripHeightWithinLimits(height), pixels, stride);
}

void EncodeStrip(const uint8_t* pixels, std::ptrdiff_t stride, int32_t format, int32_t rows, uint8_t* bytes)
{
    const StripLayout& layout = LayoutOf(format);
    const int32_t count = std::min(rows, kMaxStripHeight);
    for (int32_t r = 0; r < count; ++r) EncodeRow(layout, pixels + r * stride, bytes + TileStart(format, r), r % 8);
}

}  // namespace zarvo
