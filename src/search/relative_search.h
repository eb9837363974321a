#pragma once
// The relative search: every place where the differences between neighbouring
// bytes equal those between the letters of a word, whatever byte stands for the
// first letter (the hit's base value), and the lines the result list shows for the
// hits.

#include "core/document.h"
#include "core/notice.h"
#include "core/session.h"
#include "search/pattern_match.h"
#include "search/search_progress.h"

#include <cstdint>
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

// The hits of word (1 .. kRelativeWordLength bytes) at the positions from first up to
// the last one where the word fits, grouped by base value ascending and by offset
// within a base, at most limit of them (all when limit is negative). These are the
// hits of 256 scans, one per base value, made in one pass over the byte differences;
// with ignoreCase or wildcards the 256 scans are made, each after asking progress,
// and nothing is returned when progress stops them.
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
