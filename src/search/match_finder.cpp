#include "search/match_finder.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

namespace {

constexpr std::size_t kSampleWindows = 64;
constexpr std::size_t kSampleWindowBytes = 64;

// How often each byte value occurs in a spread of small windows over the buffer.
[[nodiscard]] std::array<uint32_t, 256> SampleCounts(std::span<const uint8_t> data)
{
    std::array<uint32_t, 256> counts{};
    const std::size_t size = data.size();
    if (size <= kSampleWindows * kSampleWindowBytes) {
        for (const uint8_t byte : data) ++counts[byte];
        return counts;
    }
    const std::size_t stride = (size - kSampleWindowBytes) / (kSampleWindows - 1);
    for (std::size_t window = 0; window < kSampleWindows; ++window) {
        const uint8_t* start = data.data() + window * stride;
        for (std::size_t i = 0; i < kSampleWindowBytes; ++i) ++counts[start[i]];
    }
    return counts;
}

[[nodiscard]] uint8_t LowerByte(uint8_t byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<uint8_t>(byte - 'A' + 'a') : byte;
}

// The next occurrence of value in [from, end), or end.
[[nodiscard]] const uint8_t* Find(const uint8_t* from, const uint8_t* end, uint8_t value)
{
    const void* hit = std::memchr(from, value, static_cast<std::size_t>(end - from));
    return hit == nullptr ? end : static_cast<const uint8_t*>(hit);
}

}  // namespace

MatchFinder::MatchFinder(std::span<const uint8_t> data, std::span<const uint8_t> pattern, MatchRule rule)
    : data_(data),
      rule_(rule)
{
    length_ = static_cast<int32_t>(std::min<std::size_t>(pattern.size(), kSearchPatternBytes));
    if (length_ < static_cast<int32_t>(pattern.size())) length_ = 0;  // never cut a pattern
    std::copy_n(pattern.begin(), length_, pattern_.begin());
    if (length_ > 0 && data.size() >= static_cast<std::size_t>(length_)) {
        lastPosition_ = static_cast<int32_t>(data.size() - static_cast<std::size_t>(length_));
    }
    if (lastPosition_ >= 0) chooseAnchor();
}

void MatchFinder::chooseAnchor()
{
    const std::array<uint32_t, 256> counts = SampleCounts(data_);
    uint64_t best = UINT64_MAX;
    for (int32_t i = 0; i < length_; ++i) {
        const uint8_t byte = pattern_[static_cast<std::size_t>(i)];
        // The first byte is always compared: the candidate test knows no wildcard.
        if (i > 0 && rule_.wildcard && byte == kWildcardByte) continue;
        const uint8_t upper = rule_.ignoreCase ? UpperByte(byte) : byte;
        const uint8_t lower = rule_.ignoreCase ? LowerByte(upper) : byte;
        const uint64_t cost = upper == lower ? counts[upper] : uint64_t{counts[upper]} + counts[lower];
        if (cost < best) {
            best = cost;
            anchor_ = i;
            anchorBytes_ = {upper, lower};
            anchorByteCount_ = upper == lower ? 1 : 2;
        }
    }
}

bool MatchFinder::matchesAt(int32_t position) const
{
    const uint8_t* bytes = data_.data() + position;
    return IsCandidate(bytes[0], pattern_[0], rule_.ignoreCase) &&
           PatternMatchesAt(pattern_.data(), bytes, length_, rule_);
}

template <class Visit>
void MatchFinder::scan(int32_t from, int32_t last, Visit&& visit) const
{
    from = std::max(from, 0);
    last = std::min(last, lastPosition_);
    if (from > last) return;
    const uint8_t* base = data_.data() + anchor_;  // position p holds its anchor byte at base[p]
    const uint8_t* end = base + last + 1;
    if (anchorByteCount_ == 1) {
        for (const uint8_t* at = base + from; at < end; ++at) {
            at = Find(at, end, anchorBytes_[0]);
            if (at == end) return;
            const auto position = static_cast<int32_t>(at - base);
            if (matchesAt(position) && !visit(position)) return;
        }
        return;
    }
    // Both letter cases: the nearer of the two next occurrences, each looked up once.
    const uint8_t* nextUpper = Find(base + from, end, anchorBytes_[0]);
    const uint8_t* nextLower = Find(base + from, end, anchorBytes_[1]);
    while (true) {
        const uint8_t* at = std::min(nextUpper, nextLower);
        if (at == end) return;
        const auto position = static_cast<int32_t>(at - base);
        if (matchesAt(position) && !visit(position)) return;
        if (at == nextUpper) {
            nextUpper = Find(at + 1, end, anchorBytes_[0]);
        } else {
            nextLower = Find(at + 1, end, anchorBytes_[1]);
        }
    }
}

int32_t MatchFinder::next(int32_t from, int32_t last) const
{
    int32_t found = -1;
    scan(from, last, [&found](int32_t position) {
        found = position;
        return false;
    });
    return found;
}

void MatchFinder::forEach(int32_t from, int32_t last, const std::function<bool(int32_t position)>& visit) const
{
    scan(from, last, visit);
}

}  // namespace zarvo
