#include "search/match_finder.h"

#include "search/scan_instructions.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace zarvo {

namespace {

constexpr std::size_t kSampleWindows = 64;
constexpr std::size_t kSampleWindowBytes = 64;
constexpr uint8_t kCaseBit = 0x20;

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

[[nodiscard]] bool IsLetter(uint8_t byte) { return UpperByte(byte) >= 'A' && UpperByte(byte) <= 'Z'; }

// The next occurrence of value in [from, end), or end.
[[nodiscard]] const uint8_t* Find(const uint8_t* from, const uint8_t* end, uint8_t value)
{
    const void* hit = std::memchr(from, value, static_cast<std::size_t>(end - from));
    return hit == nullptr ? end : static_cast<const uint8_t*>(hit);
}

}  // namespace

MatchFinder::MatchFinder(std::span<const uint8_t> data, std::span<const uint8_t> pattern, MatchRule rule) : rule_(rule)
{
    length_ = static_cast<int32_t>(std::min<std::size_t>(pattern.size(), kSearchPatternBytes));
    if (length_ < static_cast<int32_t>(pattern.size())) length_ = 0;  // never cut a pattern
    std::copy_n(pattern.begin(), length_, pattern_.begin());
    lookAt(data);
    if (lastPosition_ >= 0) chooseAnchors();
#if defined(ZARVO_WIDE_SCAN)
    wide_ = __builtin_cpu_supports("avx2") != 0;
#endif
}

void MatchFinder::lookAt(std::span<const uint8_t> data)
{
    data_ = data;
    lastPosition_ = -1;
    if (length_ > 0 && data.size() >= static_cast<std::size_t>(length_)) {
        lastPosition_ = static_cast<int32_t>(data.size() - static_cast<std::size_t>(length_));
    }
}

void MatchFinder::chooseAnchors()
{
    const std::array<uint32_t, 256> counts = SampleCounts(data_);
    uint64_t rarestCost = UINT64_MAX;
    uint64_t nextCost = UINT64_MAX;
    for (int32_t i = 0; i < length_; ++i) {
        const uint8_t byte = pattern_[static_cast<std::size_t>(i)];
        if (rule_.wildcard && byte == kWildcardByte) continue;
        Anchor anchor{i, byte, rule_.ignoreCase && IsLetter(byte)};
        uint64_t cost = counts[byte];
        if (anchor.folded) {
            anchor.byte = static_cast<uint8_t>(byte | kCaseBit);
            cost = uint64_t{counts[anchor.byte]} + counts[anchor.byte & ~kCaseBit];
        }
        anchorCount_ = std::min(anchorCount_ + 1, 2);
        if (cost < rarestCost) {
            nextRarest_ = rarest_;
            nextCost = rarestCost;
            rarest_ = anchor;
            rarestCost = cost;
        } else if (cost < nextCost) {
            nextRarest_ = anchor;
            nextCost = cost;
        }
    }
}

bool MatchFinder::matchesAt(int32_t position) const
{
    return PatternMatchesAt(pattern_.data(), data_.data() + position, length_, rule_);
}

// The positions from + lane for the lanes set in mask; false when visit asked to stop.
template <class Visit>
bool MatchFinder::visitCandidates(int32_t from, uint64_t mask, Visit&& visit) const
{
    while (mask != 0) {
        const int lane = __builtin_ctzll(mask);
        mask &= mask - 1;
        if (matchesAt(from + lane) && !visit(from + lane)) return false;
    }
    return true;
}

// Positions from..last one by one; false when visit asked to stop.
template <class Visit>
bool MatchFinder::scanPositions(int32_t from, int32_t last, Visit&& visit) const
{
    for (int32_t position = from; position <= last; ++position) {
        if (matchesAt(position) && !visit(position)) return false;
    }
    return true;
}

// Sixteen positions at a time while all their anchor bytes lie inside the buffer;
// from is left on the first position not scanned. False when visit asked to stop.
template <class Visit>
bool MatchFinder::scanBlocks(int32_t& from, int32_t last, Visit&& visit) const
{
#if defined(ZARVO_SSE2_SCANS)
    // A letter with ignoreCase is compared with the case bit set; other bytes as they are.
    const auto caseBit = [](const Anchor& anchor) {
        return _mm_set1_epi8(static_cast<char>(anchor.folded ? kCaseBit : 0));
    };
    const __m128i firstByte = _mm_set1_epi8(static_cast<char>(rarest_.byte));
    const __m128i firstCase = caseBit(rarest_);
    const __m128i secondByte = _mm_set1_epi8(static_cast<char>(nextRarest_.byte));
    const __m128i secondCase = caseBit(nextRarest_);
    // A block's last position plus any anchor position stays below the buffer's end
    // as long as that last position is at most lastPosition_.
    const uint8_t* first = data_.data() + rarest_.position;
    const uint8_t* second = data_.data() + nextRarest_.position;
    while (from + 15 <= last) {
        // The blocks without a candidate pass through this loop, which calls nothing
        // and so keeps its vectors in registers.
        unsigned mask = 0;
        for (; from + 15 <= last; from += 16) {
            const __m128i firstLanes =
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(first + from)), firstCase);
            const __m128i secondLanes =
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(second + from)), secondCase);
            mask = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(firstLanes, firstByte), _mm_cmpeq_epi8(secondLanes, secondByte))));
            if (mask != 0) break;
        }
        if (mask == 0) break;
        if (!visitCandidates(from, mask, visit)) return false;
        from += 16;
    }
#else
    (void)from;
    (void)last;
    (void)visit;
#endif
    return true;
}

#if defined(ZARVO_WIDE_SCAN)
// scanBlocks with 64 positions at a time, for processors with AVX2; the positions
// left over go to scanBlocks.
template <class Visit>
__attribute__((target("avx2"))) bool MatchFinder::scanWideBlocks(int32_t& from, int32_t last, Visit&& visit) const
{
    const __m256i firstByte = _mm256_set1_epi8(static_cast<char>(rarest_.byte));
    const __m256i firstCase = _mm256_set1_epi8(static_cast<char>(rarest_.folded ? kCaseBit : 0));
    const __m256i secondByte = _mm256_set1_epi8(static_cast<char>(nextRarest_.byte));
    const __m256i secondCase = _mm256_set1_epi8(static_cast<char>(nextRarest_.folded ? kCaseBit : 0));
    const uint8_t* first = data_.data() + rarest_.position;
    const uint8_t* second = data_.data() + nextRarest_.position;
    // The lanes of 32 positions where both anchor bytes stand.
    const auto hits = [&](int32_t at) __attribute__((target("avx2")))
    {
        const __m256i firstLanes =
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(first + at)), firstCase);
        const __m256i secondLanes =
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(second + at)), secondCase);
        return static_cast<uint32_t>(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(firstLanes, firstByte), _mm256_cmpeq_epi8(secondLanes, secondByte))));
    };
    while (from + 63 <= last) {
        // 64 positions a round; rounds without a candidate stay in this loop.
        uint64_t mask = 0;
        for (; from + 63 <= last; from += 64) {
            mask = hits(from) | uint64_t{hits(from + 32)} << 32;
            if (mask != 0) break;
        }
        if (mask == 0) break;
        if (!visitCandidates(from, mask, visit)) return false;
        from += 64;
    }
    return true;
}
#else
template <class Visit>
bool MatchFinder::scanWideBlocks(int32_t&, int32_t, Visit&&) const
{
    return true;
}
#endif

// The one byte to compare, found with memchr (once per letter case).
template <class Visit>
void MatchFinder::scanOneAnchor(int32_t from, int32_t last, Visit&& visit) const
{
    const uint8_t* base = data_.data() + rarest_.position;  // position p holds its anchor byte at base[p]
    const uint8_t* end = base + last + 1;
    if (!rarest_.folded) {
        for (const uint8_t* at = base + from; at < end; ++at) {
            at = Find(at, end, rarest_.byte);
            if (at == end) return;
            const auto position = static_cast<int32_t>(at - base);
            if (matchesAt(position) && !visit(position)) return;
        }
        return;
    }
    const auto upper = static_cast<uint8_t>(rarest_.byte & ~kCaseBit);
    const uint8_t* nextLower = Find(base + from, end, rarest_.byte);
    const uint8_t* nextUpper = Find(base + from, end, upper);
    while (true) {
        const uint8_t* at = std::min(nextUpper, nextLower);
        if (at == end) return;
        const auto position = static_cast<int32_t>(at - base);
        if (matchesAt(position) && !visit(position)) return;
        if (at == nextUpper) {
            nextUpper = Find(at + 1, end, upper);
        } else {
            nextLower = Find(at + 1, end, rarest_.byte);
        }
    }
}

template <class Visit>
void MatchFinder::scan(int32_t from, int32_t last, Visit&& visit) const
{
    from = std::max(from, 0);
    last = std::min(last, lastPosition_);
    if (from > last) return;
    if (anchorCount_ == 0) {
        (void)scanPositions(from, last, visit);
        return;
    }
    if (anchorCount_ == 1) {
        scanOneAnchor(from, last, visit);
        return;
    }
    if (wide_ && !scanWideBlocks(from, last, visit)) return;
    if (!scanBlocks(from, last, visit)) return;
    (void)scanPositions(from, last, visit);
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

bool ForEachMatch(BytePieces& source, int32_t first, std::span<const uint8_t> pattern, MatchRule rule,
                  const std::function<bool(int32_t position)>& visit)
{
    if (pattern.empty() || pattern.size() > static_cast<std::size_t>(kSearchPatternBytes)) return true;
    // A match may begin in the last pattern.size() - 1 bytes of a piece: the next
    // piece begins with them.
    const auto overlap = static_cast<int32_t>(pattern.size() - 1);
    std::optional<MatchFinder> finder;
    return source.forEachPiece(first, source.size(), overlap, [&](std::span<const uint8_t> piece, int32_t offset) {
        // The pattern bytes looked for are chosen once, from the first piece.
        if (finder) {
            finder->lookAt(piece);
        } else {
            finder.emplace(piece, pattern, rule);
        }
        bool goOn = true;
        finder->forEach(first - offset, finder->lastPosition(), [&](int32_t position) {
            goOn = visit(offset + position);
            return goOn;
        });
        return goOn;
    });
}

}  // namespace zarvo
