#pragma once
// Finds where a run of bytes climbs by given steps: the positions p at which
// data[p + i + 1] - data[p + i] (mod 256) equals steps[i] for every i. This is the
// relative search's one pass: a word matches wherever its letters' steps do,
// whatever byte its first letter is stored as.

#include <cstdint>
#include <functional>
#include <span>

namespace zarvo {

// Every such position in [first, last], ascending. Positions whose steps would
// reach past the buffer are not examined (last is clipped to size - 1 - steps).
// No steps: every position.
void ForEachStepMatch(std::span<const uint8_t> data, int32_t first, int32_t last, std::span<const uint8_t> steps,
                      const std::function<void(int32_t position)>& visit);

}  // namespace zarvo
