#pragma once
// The relative search: every place where the differences between neighbouring
// bytes equal those between the letters of a word, whatever byte stands for the
// first letter (the hit's base value), and the lines the result list shows for the
// hits.

#include "core/byte_pieces.h"
#include "core/document.h"
#include "core/notice.h"
#include "core/session.h"
#include "search/pattern_match.h"
#include "search/search_progress.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

struct RelativeHit {
    int32_t offset = 0;
    uint8_t base = 0;  // the byte at offset: what the word's first letter is stored as

    bool operator==(const RelativeHit&) const = default;
};

// How many hit offsets the relative search holds at a time while it puts the hits
// of many base values in order: 8 Mi offsets, 32 MiB.
inline constexpr std::size_t kRelativeHitBudget = std::size_t{8} << 20;

using RelativeHitVisitor = std::function<void(const RelativeHit& hit)>;

enum class RelativeWalk {
    Done,
    Stopped,     // progress stopped it
    Unreadable,  // the source could not be read
};

// The hits of word (1 .. kRelativeWordLength bytes) at the positions from first up to
// the last one where the word fits, grouped by base value ascending and by offset
// within a base, at most limit of them (all when limit is negative), each handed to
// visit once its place in that order is known. These are the hits of 256 scans, one
// per base value. Without ignoreCase and wildcards they are found from the byte
// differences: one pass over the source counts the hits of each base value, then
// each further pass collects the hits of a run of base values whose offsets fit
// hitBudget (a base value with more hands its hits over as the pass finds them),
// so the memory taken is bounded whatever the bytes hold. With either the 256 scans
// are made. progress is asked between pieces and passes, percent of the work done;
// false stops the search.
[[nodiscard]] RelativeWalk ForEachRelativeHit(BytePieces& source, int32_t first, std::string_view word, MatchRule rule,
                                              int32_t limit, const RelativeHitVisitor& visit,
                                              const SearchProgress& progress = {},
                                              std::size_t hitBudget = kRelativeHitBudget);

// The same hits of a buffer in memory, collected; nothing when progress stopped them.
[[nodiscard]] std::optional<std::vector<RelativeHit>> FindRelativeHits(std::span<const uint8_t> data, int32_t first,
                                                                       std::string_view word, MatchRule rule,
                                                                       int32_t limit,
                                                                       const SearchProgress& progress = {});

// "[$%08X] %-15s | A=%02X a=%02X 0=%02X": the offset, the word padded to 15
// characters, and the bytes 'A', 'a' and '0' stand for when base stands for word[0].
void AppendRelativeLine(std::string& out, int32_t offset, std::string_view word, uint8_t base);
[[nodiscard]] std::string RelativeLine(int32_t offset, std::string_view word, uint8_t base);

enum class RelativeSearchStatus {
    Done,
    NoDocument,   // no editor window with data
    EmptyWord,    // "Error: No text entered to search for..."
    WordTooLong,  // more than kRelativeWordLength bytes
    Stopped,      // progress stopped it; the list holds nothing
};

struct RelativeSearchOutcome {
    RelativeSearchStatus status = RelativeSearchStatus::Done;
    std::optional<Notice> notice;  // for EmptyWord and WordTooLong
};

// The relative search of the Find button: empties the result list, matchCount = 0,
// lists the hits from the byte after the cursor (from offset 0 with "Start Search
// From the Begining"), at most 128 with FindLimit, and leaves the pattern of base
// value 255 behind. The view and the cursor are not moved.
[[nodiscard]] RelativeSearchOutcome RunRelativeSearch(Session& session, DocRecord* doc, std::string_view word,
                                                      const SearchProgress& progress = {});

}  // namespace zarvo
