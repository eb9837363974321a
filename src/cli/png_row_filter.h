#pragma once
// Which of PNG's five filters a row is written with: the one whose filtered bytes,
// each read as a signed byte, add up to the least absolute sum (the first of equal
// ones): the usual minimum-sum heuristic, the one libspng applies. Chosen here in one
// plain loop per filter that the compiler vectorises, several times faster than
// libspng trying each filter byte by byte; libspng is then told the row's filter.

#include <cstdint>
#include <span>

namespace zarvo::cli {

enum class PngFilter : uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

// row and previous are the unfiltered bytes of this row and the one above (zeros
// above the first row), of equal length; bytesPerPixel counts whole bytes (>= 1).
[[nodiscard]] PngFilter LeastSumFilter(std::span<const uint8_t> row, std::span<const uint8_t> previous,
                                       unsigned bytesPerPixel);

}  // namespace zarvo::cli
