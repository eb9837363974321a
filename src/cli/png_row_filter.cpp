#include "cli/png_row_filter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>

namespace zarvo::cli {

namespace {

// A filtered byte's weight: its distance from zero as a signed byte (0x80 weighs 128).
inline uint32_t Weight(uint32_t byte, uint32_t prediction)
{
    const uint32_t value = (byte - prediction) & 0xFF;
    return value <= 128 ? value : 256 - value;
}

struct Left {
    static uint32_t Predict(uint32_t left, uint32_t, uint32_t) { return left; }
};
struct Above {
    static uint32_t Predict(uint32_t, uint32_t above, uint32_t) { return above; }
};
struct Mean {
    static uint32_t Predict(uint32_t left, uint32_t above, uint32_t) { return (left + above) >> 1; }
};
struct Paeth {
    // Whichever neighbour is nearest to left + above - aboveLeft, the left one first.
    static uint32_t Predict(uint32_t left, uint32_t above, uint32_t aboveLeft)
    {
        const int a = static_cast<int>(left);
        const int b = static_cast<int>(above);
        const int c = static_cast<int>(aboveLeft);
        const int toLeft = std::abs(b - c);
        const int toAbove = std::abs(a - c);
        const int toAboveLeft = std::abs(a + b - 2 * c);
        const uint32_t notLeft = toAbove <= toAboveLeft ? above : aboveLeft;
        return toLeft <= toAbove && toLeft <= toAboveLeft ? left : notLeft;
    }
};

// The row's weight after one filter. Separate plain loops, which the compiler turns
// into vector code; the first pixel has zeros on its left.
template <typename Filter>
uint32_t SumAfter(std::span<const uint8_t> row, std::span<const uint8_t> previous, std::size_t bytesPerPixel)
{
    const std::size_t lead = std::min(bytesPerPixel, row.size());
    uint32_t sum = 0;
    for (std::size_t i = 0; i < lead; ++i) sum += Weight(row[i], Filter::Predict(0, previous[i], 0));
    for (std::size_t i = lead; i < row.size(); ++i) {
        sum += Weight(row[i], Filter::Predict(row[i - bytesPerPixel], previous[i], previous[i - bytesPerPixel]));
    }
    return sum;
}

uint32_t SumUnfiltered(std::span<const uint8_t> row)
{
    uint32_t sum = 0;
    for (const uint8_t byte : row) sum += Weight(byte, 0);
    return sum;
}

}  // namespace

PngFilter LeastSumFilter(std::span<const uint8_t> row, std::span<const uint8_t> previous, unsigned bytesPerPixel)
{
    const std::array<uint32_t, 5> sums{
        SumUnfiltered(row), SumAfter<Left>(row, previous, bytesPerPixel), SumAfter<Above>(row, previous, bytesPerPixel),
        SumAfter<Mean>(row, previous, bytesPerPixel), SumAfter<Paeth>(row, previous, bytesPerPixel)};
    std::size_t best = 0;
    for (std::size_t filter = 1; filter < sums.size(); ++filter) {
        if (sums[filter] < sums[best]) best = filter;
    }
    return static_cast<PngFilter>(best);
}

}  // namespace zarvo::cli
