#pragma once
// How many bytes a row and a page hold for a given client area.

#include <cstdint>

namespace zarvo {

// The widths a row of the view is made of, in pixels, measured with the fonts it is
// drawn with. The defaults are the classic 8-pixel-character layout: 64 pixels for
// the margin, offset and gaps, 32 per byte (two digits, a blank, one text character).
struct RowWidths {
    int32_t fixed = 64;    // everything but the bytes: margin, offset, gaps, right edge
    int32_t perByte = 32;  // one hexadecimal cell (with its blank when spaced) and the widest text cell
    bool operator==(const RowWidths&) const = default;
};

// With automatic row sizing: the bytes whose cells fit beside the fixed part, at
// least 1, at most 128.
[[nodiscard]] int32_t BytesPerRowForWidth(int32_t clientWidth, const RowWidths& widths = {});
// Rows that fit, at least 1, at most 128.
[[nodiscard]] int32_t RowsForHeight(int32_t clientHeight, int32_t rowHeight);

}  // namespace zarvo
