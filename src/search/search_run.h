#pragma once
// The scan of the text, hexadecimal and kana searches and of Search Again
// (RunSearch): the pattern from the Find dialog's text, then one pass over the
// document that either stops on the first match after the cursor, jumping there, or
// lists every match.

#include "core/byte_pieces.h"
#include "core/document.h"
#include "core/notice.h"
#include "core/search_state.h"
#include "core/session.h"
#include "search/search_pattern.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace zarvo {

// Takes the offset of every match the scan lists (the list shows it as "[$%08X]").
using MatchSink = std::function<void(int32_t offset)>;

struct ScanResult {
    bool found = false;   // stopped on a match (RunSearch jumps there)
    int32_t offset = -1;  // that match
    int32_t listed = 0;   // matches handed to the sink
};

// The first position the scan examines: 0 when "Start Search From the Begining" is
// checked and not yet used, else the byte after the cursor (the cursor itself with
// incremental search).
[[nodiscard]] int32_t ScanStart(const SearchState& state, const SearchOptions& options, const DocRecord& doc,
                                const ViewState& view);

// Scans the document's viewSize bytes for searchPattern from ScanStart up to the last
// position where the whole pattern fits. With SaveFnd (and not a relative search)
// every match goes to the sink and raises matchCount, up to 128 in all with
// FindLimit; otherwise (or with matchCount already at 128 under FindLimit) the scan
// stops on the first match. Sets searchFound. The document must hold data.
[[nodiscard]] ScanResult ScanDocument(SearchState& state, const SearchOptions& options, const DocRecord& doc,
                                      const ViewState& view, const MatchSink& sink);

// The listing of ScanDocument with SaveFnd over bytes read a piece at a time: every
// match from first on goes to the sink and raises matchCount, up to 128 in all with
// FindLimit (nothing when matchCount is there already). Returns the matches listed,
// or -1 when the bytes could not be read.
[[nodiscard]] int32_t ListMatches(SearchState& state, const SearchOptions& options, BytePieces& source, int32_t first,
                                  const MatchSink& sink);

enum class SearchRunStatus {
    Searched,
    NothingTyped,  // an empty box outside Search Again: nothing happens
    Refused,       // the pattern was refused with a message; nothing changed
    NoDocument,    // no editor window with data
};

struct SearchRunOutcome {
    SearchRunStatus status = SearchRunStatus::Searched;
    ScanResult scan;
    std::optional<Notice> notice;  // the refusal, or "Sorry... The string was not found."
};

// RunSearch's first step: text search makes searchPattern from boxText through table
// (the document's; only text search reads it, and finds nothing to search without
// one), hexadecimal search from its digits; kana search and Search Again keep the
// pattern they have. Searched when there is a pattern to scan for; otherwise nothing
// changed and the outcome says why.
[[nodiscard]] SearchRunOutcome PrepareSearchPattern(SearchSession& search, const TableData* table,
                                                    std::string_view boxText);

// RunSearch with boxText as FindBox's bytes: text and hexadecimal search build the
// pattern from it, kana search and Search Again keep the pattern they have. A match
// the scan stops on is jumped to (JumpTo); listed matches go to sink; "not found" is
// told when nothing was found or listed outside incremental search.
[[nodiscard]] SearchRunOutcome RunSearch(Session& session, DocRecord* doc, std::string_view boxText,
                                         const MatchSink& sink);
// The same with the matches added to the session's result list.
[[nodiscard]] SearchRunOutcome RunSearch(Session& session, DocRecord* doc, std::string_view boxText);

// Makes a built pattern the search's pattern.
void StorePattern(SearchState& state, const SearchPattern& pattern);

}  // namespace zarvo
