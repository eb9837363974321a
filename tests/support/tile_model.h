#pragma once
// An independent reading of the tile formats for the tests: every pixel worked out
// on its own, bit by bit, from the table of where each row of a strip is stored.
// Slow and plain on purpose; the codec under test is neither.

#include "support/temp_folder.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

namespace zarvo::testing {

inline constexpr int kModelBytesPerRow[10] = {1, 2, 2, 4, 8, 8, 4, 4, 4, 3};
inline constexpr int kModelHighestIndex[10] = {1, 3, 3, 15, 255, 255, 15, 15, 15, 7};

using ByteAt = std::function<int(int64_t address)>;

// Bytes of data, 0 outside it.
inline ByteAt BytesOf(std::span<const uint8_t> data)
{
    return [data](int64_t address) {
        return address >= 0 && address < static_cast<int64_t>(data.size()) ? data[static_cast<std::size_t>(address)]
                                                                           : 0;
    };
}

// Pixel x of row r of the strip at n. Rows from 8 on are rows of the next tiles.
inline int ModelPixel(const ByteAt& byteAt, int64_t n, int format, int r, int x)
{
    const int64_t t = n + (r / 8) * 8 * kModelBytesPerRow[format];
    const int row = r % 8;
    // Bit p of the index from the byte at t + offsets[p] (+ step x row), bit 7 the leftmost pixel.
    const auto planes = [&](std::initializer_list<int> offsets, int step) {
        int index = 0;
        int plane = 0;
        for (const int offset : offsets) index |= ((byteAt(t + offset + step * row) >> (7 - x)) & 1) << plane++;
        return index;
    };
    const int nibbles = byteAt(t + 4 * row + x / 2);
    switch (format) {
    case 0:
        return planes({0}, 1);
    case 1:
        return planes({0, 8}, 1);
    case 2:
        return planes({0, 1}, 2);
    case 3:
        return planes({0, 1, 16, 17}, 2);
    case 4:
        return planes({0, 1, 16, 17, 32, 33, 48, 49}, 2);
    case 5:
        return byteAt(t + 8 * row + x);
    case 6:
        return planes({0, 1, 2, 3}, 4);
    case 7:
        return x % 2 == 0 ? (nibbles & 0x0F) : (nibbles >> 4);
    case 8:
        return x % 2 == 0 ? (nibbles >> 4) : (nibbles & 0x0F);
    case 9:
        return planes({0, 1}, 2) | ((byteAt(t + 16 + row) >> (7 - x)) & 1) << 2;
    }
    return -1;
}

// The sheet, 128 pixels wide and 128 rows (or as many as asked for): strip (R, C) at
// o + (R * w + C) * h * bpr, columns from 8w on 0.
inline std::vector<uint8_t> ModelSheet(std::span<const uint8_t> data, int64_t o, int format, int h, int w,
                                       int rows = 128)
{
    const ByteAt byteAt = BytesOf(data);
    std::vector<uint8_t> sheet(static_cast<std::size_t>(128 * rows), 0);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < 8 * w; ++x) {
            const int64_t n = o + (int64_t{y / h} * w + x / 8) * h * kModelBytesPerRow[format];
            sheet[static_cast<std::size_t>(y * 128 + x)] =
                static_cast<uint8_t>(ModelPixel(byteAt, n, format, y % h, x % 8));
        }
    }
    return sheet;
}

}  // namespace zarvo::testing
