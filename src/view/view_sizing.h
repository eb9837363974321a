#pragma once
// How many bytes a row and a page hold for a given client area.

#include <cstdint>

namespace zarvo {

// With automatic row sizing: (client width - 64) >> 5, at least 1, at most 128.
[[nodiscard]] int32_t BytesPerRowForWidth(int32_t clientWidth);
// Rows that fit, at least 1, at most 128.
[[nodiscard]] int32_t RowsForHeight(int32_t clientHeight, int32_t rowHeight);

}  // namespace zarvo
