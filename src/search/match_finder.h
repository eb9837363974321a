#pragma once
// Finds where a pattern matches in a byte buffer, in ascending order, by the scan's
// rule (PatternMatchesAt). Instead of testing every position it looks for the two
// pattern bytes that are rarest in a sample of the buffer, sixteen positions at a
// time (either letter case with ignoreCase), and tests only where both stand; a
// pattern with one byte to compare is looked for with memchr, and one of wildcards
// only matches everywhere. Processors with AVX2 look at 32 positions at a time.

#include "core/byte_pieces.h"
#include "core/search_state.h"
#include "search/pattern_match.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace zarvo {

class MatchFinder {
public:
    // The pattern is copied (at most kSearchPatternBytes; an empty one never matches);
    // the buffer must outlive the finder.
    MatchFinder(std::span<const uint8_t> data, std::span<const uint8_t> pattern, MatchRule rule);

    // Looks at another buffer from now on, with the pattern bytes chosen for the
    // first: the pieces of one long run of bytes share them.
    void lookAt(std::span<const uint8_t> data);

    // The last position at which the whole pattern fits, -1 when none does.
    [[nodiscard]] int32_t lastPosition() const { return lastPosition_; }

    // The first matching position in [from, last] (clipped to the buffer), or -1.
    [[nodiscard]] int32_t next(int32_t from, int32_t last) const;
    // Every matching position in [from, last] in ascending order, while visit returns true.
    void forEach(int32_t from, int32_t last, const std::function<bool(int32_t position)>& visit) const;

private:
    // A pattern position that the scan looks for; a letter with ignoreCase matches
    // both cases, that is wherever (byte | 0x20) is its lower case.
    struct Anchor {
        int32_t position = 0;
        uint8_t byte = 0;  // the lower case of a folded letter
        bool folded = false;
    };

    template <class Visit>
    void scan(int32_t from, int32_t last, Visit&& visit) const;
    template <class Visit>
    [[nodiscard]] bool visitCandidates(int32_t from, uint64_t mask, Visit&& visit) const;
    template <class Visit>
    [[nodiscard]] bool scanPositions(int32_t from, int32_t last, Visit&& visit) const;
    template <class Visit>
    [[nodiscard]] bool scanBlocks(int32_t& from, int32_t last, Visit&& visit) const;
    template <class Visit>
    [[nodiscard]] bool scanWideBlocks(int32_t& from, int32_t last, Visit&& visit) const;
    template <class Visit>
    void scanOneAnchor(int32_t from, int32_t last, Visit&& visit) const;
    [[nodiscard]] bool matchesAt(int32_t position) const;
    void chooseAnchors();

    std::span<const uint8_t> data_;
    std::array<uint8_t, kSearchPatternBytes + 1> pattern_{};
    int32_t length_ = 0;
    int32_t lastPosition_ = -1;
    MatchRule rule_;
    Anchor rarest_;
    Anchor nextRarest_;
    int anchorCount_ = 0;  // 0 when every pattern byte is a wildcard, at most 2
    bool wide_ = false;    // the processor has AVX2
};

// Every match of pattern in source's bytes from first on, in ascending order, while
// visit returns true; the source is read a piece at a time. False when it could not
// be read.
[[nodiscard]] bool ForEachMatch(BytePieces& source, int32_t first, std::span<const uint8_t> pattern, MatchRule rule,
                                const std::function<bool(int32_t position)>& visit);

}  // namespace zarvo
