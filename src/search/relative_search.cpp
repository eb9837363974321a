#include "search/relative_search.h"

#include "core/hex_text.h"
#include "search/match_finder.h"
#include "search/result_list.h"
#include "search/search_messages.h"
#include "search/search_pattern.h"
#include "search/search_run.h"
#include "search/step_scan.h"

#include <algorithm>
#include <array>

namespace zarvo {

namespace {

constexpr int kBaseValues = 256;
constexpr std::size_t kLineWordWidth = 15;

// The steps between neighbouring letters of word.
[[nodiscard]] std::vector<uint8_t> WordSteps(std::string_view word)
{
    std::vector<uint8_t> steps;
    for (std::size_t i = 1; i < word.size(); ++i) {
        steps.push_back(static_cast<uint8_t>(static_cast<uint8_t>(word[i]) - static_cast<uint8_t>(word[i - 1])));
    }
    return steps;
}

// One pass counts the hits of each base value, a second one puts each hit in place
// (offsets arrive ascending, so each base's hits stay in offset order); the limit
// is shared out to the lowest base values first.
[[nodiscard]] std::vector<RelativeHit> StepHits(std::span<const uint8_t> data, int32_t first, int32_t last,
                                                std::string_view word, int32_t limit)
{
    const std::vector<uint8_t> steps = WordSteps(word);
    std::array<int64_t, kBaseValues> counts{};
    ForEachStepMatch(data, first, last, steps, [&](int32_t position) { ++counts[data[position]]; });

    std::array<int64_t, kBaseValues> places{};  // where each base's hits go next
    int64_t total = 0;
    for (int base = 0; base < kBaseValues; ++base) {
        if (limit >= 0) counts[base] = std::min(counts[base], limit - total);
        places[base] = total;
        total += counts[base];
    }
    std::vector<RelativeHit> hits(static_cast<std::size_t>(total));
    if (total == 0) return hits;
    ForEachStepMatch(data, first, last, steps, [&](int32_t position) {
        const uint8_t base = data[position];
        if (counts[base] == 0) return;
        --counts[base];
        hits[static_cast<std::size_t>(places[base]++)] = {position, base};
    });
    return hits;
}

// The 256 scans, one per base value, each listing its matches in offset order.
[[nodiscard]] std::optional<std::vector<RelativeHit>> ScannedHits(std::span<const uint8_t> data, int32_t first,
                                                                  int32_t last, std::string_view word, MatchRule rule,
                                                                  int32_t limit, const SearchProgress& progress)
{
    std::vector<RelativeHit> hits;
    for (int base = 0; base < kBaseValues; ++base) {
        if (progress && !progress((base + 1) * 100 / kBaseValues)) return std::nullopt;
        if (limit >= 0 && hits.size() >= static_cast<std::size_t>(limit)) continue;
        const SearchPattern pattern = BuildRelativePattern(word, static_cast<uint8_t>(base));
        const MatchFinder finder(data, pattern.view(), rule);
        finder.forEach(first, last, [&](int32_t position) {
            hits.push_back({position, static_cast<uint8_t>(base)});
            return limit < 0 || hits.size() < static_cast<std::size_t>(limit);
        });
    }
    return hits;
}

}  // namespace

std::optional<std::vector<RelativeHit>> FindRelativeHits(std::span<const uint8_t> data, int32_t first,
                                                         std::string_view word, MatchRule rule, int32_t limit,
                                                         const SearchProgress& progress)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(kRelativeWordLength) || data.size() < word.size()) {
        return std::vector<RelativeHit>{};
    }
    const auto last = static_cast<int32_t>(data.size() - word.size());
    if (!rule.ignoreCase && !rule.wildcard) return StepHits(data, first, last, word, limit);
    return ScannedHits(data, first, last, word, rule, limit, progress);
}

void AppendRelativeLine(std::string& out, int32_t offset, std::string_view word, uint8_t base)
{
    const uint8_t firstLetter = word.empty() ? 0 : static_cast<uint8_t>(word[0]);
    const auto standsFor = [&](char letter) {
        return static_cast<uint32_t>(static_cast<uint8_t>(static_cast<uint8_t>(letter) - firstLetter + base));
    };
    out += "[$";
    AppendHex(out, static_cast<uint32_t>(offset), 8);
    out += "] ";
    out += word;
    if (word.size() < kLineWordWidth) out.append(kLineWordWidth - word.size(), ' ');
    out += " | A=";
    AppendHex(out, standsFor('A'), 2);
    out += " a=";
    AppendHex(out, standsFor('a'), 2);
    out += " 0=";
    AppendHex(out, standsFor('0'), 2);
}

std::string RelativeLine(int32_t offset, std::string_view word, uint8_t base)
{
    std::string line;
    AppendRelativeLine(line, offset, word, base);
    return line;
}

RelativeSearchOutcome RunRelativeSearch(Session& session, DocRecord* doc, std::string_view word,
                                        const SearchProgress& progress)
{
    RelativeSearchOutcome outcome;
    if (doc == nullptr || !doc->hasData()) {
        outcome.status = RelativeSearchStatus::NoDocument;
        return outcome;
    }
    if (word.empty()) {
        outcome.status = RelativeSearchStatus::EmptyWord;
        outcome.notice = PatternErrorNotice(PatternError::NothingToSearch);
        return outcome;
    }
    if (word.size() > static_cast<std::size_t>(kRelativeWordLength)) {
        outcome.status = RelativeSearchStatus::WordTooLong;
        outcome.notice = Notice{NoticeKind::Plain, {}, messages::kRelativeWordTooLong};
        return outcome;
    }
    SearchState& state = session.search.state;
    const SearchOptions& options = session.search.dialog.options;
    ResultListState& list = session.search.list;
    state.SearchKind = FindKind::Relative;
    state.matchCount = 0;
    ClearResultList(list);

    // Every base value's first scan starts afresh: "from the beginning" holds for each.
    SearchOptions scanOptions = options;
    scanOptions.IncFind = false;
    SearchState startState = state;
    startState.fromStartUsed = 0;
    const int32_t first = ScanStart(startState, scanOptions, *doc, session.view);

    const std::span<const uint8_t> data(doc->data(), static_cast<std::size_t>(std::max(doc->viewSize, 0)));
    const int32_t limit = options.FindLimit ? kFindLimitMatches : -1;
    std::optional<std::vector<RelativeHit>> hits =
        FindRelativeHits(data, first, word, MatchRule{options.IgCase, options.WildCrd}, limit, progress);
    if (!hits) {
        outcome.status = RelativeSearchStatus::Stopped;
        return outcome;
    }

    list.relativeWord = std::string(word);
    list.entries.reserve(hits->size());
    for (const RelativeHit& hit : *hits) list.entries.push_back({hit.offset, ResultLineKind::RelativeHit, hit.base});
    state.matchCount = static_cast<int32_t>(hits->size());
    StorePattern(state, BuildRelativePattern(word, 0xFF));  // the last of the 256 patterns
    state.searchFound = false;
    state.fromStartUsed = hits->empty() ? 0 : 1;
    state.relativeSearchRan = true;
    return outcome;
}

}  // namespace zarvo
