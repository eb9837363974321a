#pragma once
// Random bytes and plain models of the searches for the search tests. The
// models walk every position and every base value the slow, obvious way; the
// engine's results are compared with them. And the frame's session with one
// editor window's document, which the searches run on.

#include "core/session.h"
#include "core/table_loader.h"
#include "search/result_list.h"
#include "support/document_builder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo::testing {

// Bytes drawn from a small alphabet, so that patterns and words recur.
inline std::vector<uint8_t> RandomBytes(std::mt19937& random, std::size_t size, int alphabet = 256, int lowest = 0)
{
    std::uniform_int_distribution<int> pick(lowest, lowest + alphabet - 1);
    std::vector<uint8_t> bytes(size);
    for (auto& byte : bytes) byte = static_cast<uint8_t>(pick(random));
    return bytes;
}

inline uint8_t Upper(uint8_t byte) { return byte >= 'a' && byte <= 'z' ? byte - 32 : byte; }

// Whether pattern matches at position p as the scan decides it, written out plainly.
inline bool ModelMatchesAt(const std::vector<uint8_t>& data, std::size_t p, const std::vector<uint8_t>& pattern,
                           bool ignoreCase, bool wildcard)
{
    if (p + pattern.size() > data.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool skipped = wildcard && pattern[i] == 0x2A;  // the first byte too
        const uint8_t a = ignoreCase ? Upper(pattern[i]) : pattern[i];
        const uint8_t b = ignoreCase ? Upper(data[p + i]) : data[p + i];
        if (!skipped && a != b) return false;
    }
    return true;
}

inline std::vector<int32_t> ModelMatches(const std::vector<uint8_t>& data, std::size_t from,
                                         const std::vector<uint8_t>& pattern, bool ignoreCase, bool wildcard)
{
    std::vector<int32_t> found;
    for (std::size_t p = from; p < data.size(); ++p) {
        if (ModelMatchesAt(data, p, pattern, ignoreCase, wildcard)) found.push_back(static_cast<int32_t>(p));
    }
    return found;
}

struct ModelHit {
    int32_t offset;
    int base;

    bool operator==(const ModelHit&) const = default;
    friend void PrintTo(const ModelHit& hit, std::ostream* out) { *out << hit.offset << "/" << hit.base; }
};

// The 256 scans of the relative search, one per base value, each from `from` on.
inline std::vector<ModelHit> ModelRelativeHits(const std::vector<uint8_t>& data, std::size_t from,
                                               std::string_view word, bool ignoreCase, bool wildcard,
                                               std::size_t limit = SIZE_MAX)
{
    std::vector<ModelHit> hits;
    for (int base = 0; base < 256; ++base) {
        std::vector<uint8_t> pattern;
        for (const char letter : word) pattern.push_back(static_cast<uint8_t>(base + letter - word[0]));
        for (const int32_t offset : ModelMatches(data, from, pattern, ignoreCase, wildcard)) {
            if (hits.size() < limit) hits.push_back({offset, base});
        }
    }
    return hits;
}

// The document holds `content` (zeros after it up to viewSize) and the ASCII table; the
// view has rows of 16 bytes and pages of 20 rows.
class SearchSessionTest : public ::testing::Test {
protected:
    void Open(const std::string& content, int32_t viewSize = kMinimumViewSize)
    {
        doc = MakeDocument(Bytes(content), viewSize);
        LoadAsciiTable(doc, session.tables);
        session.view.bytesPerRow = 16;
        session.view.pageBytes = 16 * 20;
    }
    // The lines of the result list.
    [[nodiscard]] std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < ResultLineCount(session.search.list); ++i) {
            lines.push_back(ResultLineText(session.search.list, i));
        }
        return lines;
    }
    SearchOptions& options() { return session.search.dialog.options; }

    Session session;
    DocRecord doc;
};

}  // namespace zarvo::testing
