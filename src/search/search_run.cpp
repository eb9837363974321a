#include "search/search_run.h"

#include "search/match_finder.h"
#include "search/result_list.h"
#include "search/search_messages.h"
#include "search/search_pattern.h"
#include "view/cursor_geometry.h"
#include "view/jump.h"

#include <algorithm>
#include <span>

namespace zarvo {

int32_t ScanStart(const SearchState& state, const SearchOptions& options, const DocRecord& doc, const ViewState& view)
{
    if (options.FindFromStart && state.fromStartUsed == 0) return 0;
    const int64_t cursor = CursorGeometry(view).cursorByte(doc);
    const int64_t start = options.IncFind ? cursor : cursor + 1;
    return static_cast<int32_t>(std::clamp<int64_t>(start, 0, INT32_MAX));
}

ScanResult ScanDocument(SearchState& state, const SearchOptions& options, const DocRecord& doc,
                        const ViewState& view, const MatchSink& sink)
{
    ScanResult result;
    state.searchFound = false;
    const std::span<const uint8_t> data(doc.data(), static_cast<std::size_t>(std::max(doc.viewSize, 0)));
    const int32_t first = ScanStart(state, options, doc, view);
    const bool limitReached = options.FindLimit && state.matchCount >= kFindLimitMatches;
    const bool lists = options.SaveFnd && state.SearchKind != FindKind::Relative && !limitReached;
    if (lists) {
        MemoryPieces whole(data, data.size());
        result.listed = ListMatches(state, options, whole, first, sink);
        return result;
    }
    const auto length = static_cast<std::size_t>(std::clamp(state.patternLength, 0, kSearchPatternBytes));
    const MatchFinder finder(data, std::span<const uint8_t>(state.searchPattern.data(), length),
                             MatchRule{options.IgCase, options.WildCrd});
    const int32_t position = finder.next(first, finder.lastPosition());
    if (position < 0) return result;
    state.searchFound = true;
    result.found = true;
    result.offset = position;
    return result;
}

int32_t ListMatches(SearchState& state, const SearchOptions& options, BytePieces& source, int32_t first,
                    const MatchSink& sink)
{
    if (options.FindLimit && state.matchCount >= kFindLimitMatches) return 0;
    const auto length = static_cast<std::size_t>(std::clamp(state.patternLength, 0, kSearchPatternBytes));
    int32_t listed = 0;
    const bool read = ForEachMatch(source, first, std::span<const uint8_t>(state.searchPattern.data(), length),
                                   MatchRule{options.IgCase, options.WildCrd}, [&](int32_t position) {
                                       if (sink) sink(position);
                                       ++listed;
                                       ++state.matchCount;
                                       return !(options.FindLimit && state.matchCount >= kFindLimitMatches);
                                   });
    return read ? listed : -1;
}

void StorePattern(SearchState& state, const SearchPattern& pattern)
{
    state.searchPattern = pattern.bytes;
    state.patternLength = pattern.length;
}

SearchRunOutcome PrepareSearchPattern(SearchSession& search, const TableData* table, std::string_view boxText)
{
    SearchRunOutcome outcome;
    SearchState& state = search.state;
    const SearchOptions& options = search.dialog.options;
    if (state.SearchKind != FindKind::Relative) {
        if (boxText.empty() && state.SearchKind != FindKind::Again) {
            outcome.status = SearchRunStatus::NothingTyped;
            return outcome;
        }
        std::optional<SearchPattern> built;
        if (state.SearchKind == FindKind::Text) {
            built = table != nullptr ? BuildTextPattern(*table, boxText, options.IgCase, options.WildCrd)
                                     : SearchPattern{PatternError::NothingToSearch};
        } else if (state.SearchKind == FindKind::Hex) {
            built = BuildHexPattern(boxText, options.WildCrd);
        }
        // A refused text leaves the last pattern in place for Search Again.
        if (built && built->error != PatternError::None) {
            outcome.status = SearchRunStatus::Refused;
            outcome.notice = PatternErrorNotice(built->error);
            return outcome;
        }
        if (built) StorePattern(state, *built);
    }
    if (state.patternLength <= 0 || state.patternLength > kSearchPatternBytes) {
        outcome.status = SearchRunStatus::Refused;
        outcome.notice = PatternErrorNotice(PatternError::NothingToSearch);
    }
    return outcome;
}

SearchRunOutcome RunSearch(Session& session, DocRecord* doc, std::string_view boxText, const MatchSink& sink)
{
    SearchSession& search = session.search;
    SearchRunOutcome outcome;
    if (doc == nullptr || !doc->hasData()) {
        outcome.status = SearchRunStatus::NoDocument;
        return outcome;
    }
    outcome = PrepareSearchPattern(search, &doc->table, boxText);
    if (outcome.status != SearchRunStatus::Searched) return outcome;
    SearchState& state = search.state;
    const SearchOptions& options = search.dialog.options;
    outcome.scan = ScanDocument(state, options, *doc, session.view, sink);
    if (outcome.scan.found) JumpTo(*doc, session, outcome.scan.offset);
    if (!outcome.scan.found && state.SearchKind != FindKind::Relative && state.matchCount == 0 && !options.IncFind) {
        outcome.notice = Notice{NoticeKind::Exclamation, messages::kNoStringFoundCaption, messages::kStringNotFound};
    }
    return outcome;
}

SearchRunOutcome RunSearch(Session& session, DocRecord* doc, std::string_view boxText)
{
    ResultListState& list = session.search.list;
    return RunSearch(session, doc, boxText, [&list](int32_t offset) { AddMatchLine(list, offset); });
}

}  // namespace zarvo
