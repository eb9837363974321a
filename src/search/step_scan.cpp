#include "search/step_scan.h"

#include "search/scan_instructions.h"

#include <algorithm>

namespace zarvo {

namespace {

[[nodiscard]] bool StepsMatchFrom(const uint8_t* at, std::span<const uint8_t> steps, std::size_t fromStep)
{
    for (std::size_t i = fromStep; i < steps.size(); ++i) {
        if (static_cast<uint8_t>(at[i + 1] - at[i]) != steps[i]) return false;
    }
    return true;
}

}  // namespace

void ForEachStepMatch(std::span<const uint8_t> data, int32_t first, int32_t last, std::span<const uint8_t> steps,
                      const std::function<void(int32_t position)>& visit)
{
    const auto size = static_cast<int64_t>(data.size());
    const auto stepCount = static_cast<int64_t>(steps.size());
    const int64_t end = std::min<int64_t>(last, size - 1 - stepCount) + 1;  // one past the last position
    int64_t position = std::max<int32_t>(first, 0);
    const uint8_t* bytes = data.data();
    if (stepCount == 0) {
        for (; position < end; ++position) visit(static_cast<int32_t>(position));
        return;
    }
#if defined(ZARVO_SSE2_SCANS)
    // Sixteen positions at a time: the first step (and the second, when there is
    // one) compared in one go; the few positions that pass are checked byte by byte.
    // A block reads up to its last position + 2, which the clipped end leaves in the
    // buffer when there are two steps, and + 1 with one.
    const __m128i firstStep = _mm_set1_epi8(static_cast<char>(steps[0]));
    const __m128i secondStep = _mm_set1_epi8(static_cast<char>(stepCount > 1 ? steps[1] : 0));
    const std::size_t checkedSteps = stepCount > 1 ? 2 : 1;
    while (position + 16 <= end) {
        // Blocks without a candidate stay in this loop, which calls nothing.
        unsigned mask = 0;
        for (; position + 16 <= end; position += 16) {
            const uint8_t* at = bytes + position;
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
            __m128i hits = _mm_cmpeq_epi8(_mm_sub_epi8(next, here), firstStep);
            if (stepCount > 1) {
                const __m128i afterNext = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 2));
                hits = _mm_and_si128(hits, _mm_cmpeq_epi8(_mm_sub_epi8(afterNext, next), secondStep));
            }
            mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
            if (mask != 0) break;
        }
        if (mask == 0) break;
        while (mask != 0) {
            const int lane = __builtin_ctz(mask);
            mask &= mask - 1;
            if (StepsMatchFrom(bytes + position + lane, steps, checkedSteps)) {
                visit(static_cast<int32_t>(position + lane));
            }
        }
        position += 16;
    }
#endif
    for (; position < end; ++position) {
        if (StepsMatchFrom(bytes + position, steps, 0)) visit(static_cast<int32_t>(position));
    }
}

}  // namespace zarvo
