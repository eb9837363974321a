#include "search/relative_search.h"

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
constexpr int32_t kCountingPercent = 50;                        // the counting pass's share of the progress
constexpr std::size_t kHitsPerProgress = std::size_t{1} << 20;  // hits handed over between reports
// A document's bytes are looked at a MiB at a time: progress is told, and the
// window's events run, 64 times in a pass over 64 MiB.
constexpr std::size_t kDocumentPieceBytes = std::size_t{1} << 20;

// The steps between neighbouring letters of word.
[[nodiscard]] std::vector<uint8_t> WordSteps(std::string_view word)
{
    std::vector<uint8_t> steps;
    for (std::size_t i = 1; i < word.size(); ++i) {
        steps.push_back(static_cast<uint8_t>(static_cast<uint8_t>(word[i]) - static_cast<uint8_t>(word[i - 1])));
    }
    return steps;
}

// The passes over the byte differences that find a word whatever its base value.
class StepPasses {
public:
    StepPasses(BytePieces& source, int32_t first, std::string_view word, const SearchProgress& progress)
        : source_(source),
          first_(first),
          steps_(WordSteps(word)),
          progress_(progress)
    {}

    // One pass from first on: onHit(position, base) for every hit in offset order,
    // until it returns false. Progress runs from percentFrom to percentTo.
    template <class OnHit>
    [[nodiscard]] RelativeWalk pass(OnHit&& onHit, int32_t percentFrom, int32_t percentTo)
    {
        const int64_t span = std::max<int64_t>(int64_t{source_.size()} - first_, 1);
        bool complete = false;
        bool stopped = false;
        const auto overlap = static_cast<int32_t>(steps_.size());
        const bool read =
            source_.forEachPiece(first_, source_.size(), overlap, [&](std::span<const uint8_t> piece, int32_t offset) {
                const auto hit = [&](int32_t position) {
                    if (!complete && !onHit(offset + position, piece[static_cast<std::size_t>(position)])) {
                        complete = true;
                    }
                };
                if (steps_.empty()) {
                    // Every position holds a hit of a one-letter word: no need to look.
                    const auto end = static_cast<int32_t>(piece.size());
                    for (int32_t position = std::max(first_ - offset, 0); position < end && !complete; ++position) {
                        hit(position);
                    }
                } else {
                    ForEachStepMatch(piece, first_ - offset, INT32_MAX, steps_, hit);
                }
                if (progress_) {
                    const int64_t done = int64_t{offset} + static_cast<int64_t>(piece.size()) - first_;
                    stopped = !progress_(percentFrom + static_cast<int32_t>(done * (percentTo - percentFrom) / span));
                }
                return !complete && !stopped;
            });
        if (!read) return RelativeWalk::Unreadable;
        return stopped ? RelativeWalk::Stopped : RelativeWalk::Done;
    }

private:
    BytePieces& source_;
    int32_t first_;
    std::vector<uint8_t> steps_;
    const SearchProgress& progress_;
};

// Base values next to each other whose hits one pass collects, or a single base
// value with more hits than the budget, handed over as its pass finds them.
struct BaseRun {
    int firstBase = 0;
    int lastBase = 0;
    int64_t hits = 0;
};

using HitCounts = std::array<int64_t, kBaseValues>;

// The runs of base values in the list's order. The counts are cut to the limit
// first, which goes to the lowest base values.
[[nodiscard]] std::vector<BaseRun> PlanRuns(HitCounts& counts, int32_t limit, int64_t budget)
{
    std::vector<BaseRun> runs;
    int64_t total = 0;
    for (int base = 0; base < kBaseValues; ++base) {
        int64_t& count = counts[static_cast<std::size_t>(base)];
        if (limit >= 0) count = std::min(count, limit - total);
        total += count;
        if (count == 0) continue;
        if (!runs.empty() && runs.back().hits + count <= budget) {
            runs.back().lastBase = base;
            runs.back().hits += count;
        } else {
            runs.push_back({base, base, count});
        }
    }
    return runs;
}

// A base value with more hits than the budget: its pass hands them over in offset order.
[[nodiscard]] RelativeWalk HandOverRun(StepPasses& passes, const BaseRun& run, const RelativeHitVisitor& visit,
                                       int32_t percentFrom, int32_t percentTo)
{
    int64_t remaining = run.hits;
    return passes.pass(
        [&](int32_t position, uint8_t base) {
            if (base != run.firstBase) return true;
            visit({position, base});
            return --remaining > 0;
        },
        percentFrom, percentTo);
}

// The hits of a run of base values: collected in one pass, each base value's into its
// own stretch of offsets (in offset order), then handed over. Each half takes half of
// the run's progress.
[[nodiscard]] RelativeWalk CollectRun(StepPasses& passes, const BaseRun& run, const HitCounts& counts,
                                      std::vector<int32_t>& offsets, const RelativeHitVisitor& visit,
                                      const SearchProgress& progress, int32_t percentFrom, int32_t percentTo)
{
    HitCounts places{};
    HitCounts wanted{};
    int64_t place = 0;
    for (int base = run.firstBase; base <= run.lastBase; ++base) {
        places[static_cast<std::size_t>(base)] = place;
        wanted[static_cast<std::size_t>(base)] = counts[static_cast<std::size_t>(base)];
        place += counts[static_cast<std::size_t>(base)];
    }
    offsets.resize(static_cast<std::size_t>(run.hits));
    int64_t remaining = run.hits;
    const int32_t middle = (percentFrom + percentTo) / 2;
    const RelativeWalk walk = passes.pass(
        [&](int32_t position, uint8_t base) {
            if (base < run.firstBase || base > run.lastBase || wanted[base] == 0) return true;
            --wanted[base];
            offsets[static_cast<std::size_t>(places[base]++)] = position;
            return --remaining > 0;
        },
        percentFrom, middle);
    if (walk != RelativeWalk::Done) return walk;
    std::size_t at = 0;
    for (int base = run.firstBase; base <= run.lastBase; ++base) {
        for (int64_t i = 0; i < counts[static_cast<std::size_t>(base)]; ++i, ++at) {
            if (progress && at % kHitsPerProgress == kHitsPerProgress - 1 &&
                !progress(middle + static_cast<int32_t>(static_cast<int64_t>(at) * (percentTo - middle) / run.hits))) {
                return RelativeWalk::Stopped;
            }
            visit({offsets[at], static_cast<uint8_t>(base)});
        }
    }
    return RelativeWalk::Done;
}

// The hits from the byte differences: a counting pass (the first half of the
// progress), then a pass per run of base values.
[[nodiscard]] RelativeWalk StepHits(BytePieces& source, int32_t first, std::string_view word, int32_t limit,
                                    const RelativeHitVisitor& visit, const SearchProgress& progress,
                                    std::size_t hitBudget)
{
    StepPasses passes(source, first, word, progress);
    HitCounts counts{};
    const RelativeWalk counted = passes.pass(
        [&counts](int32_t, uint8_t base) {
            ++counts[base];
            return true;
        },
        0, kCountingPercent);
    if (counted != RelativeWalk::Done) return counted;

    const auto budget = static_cast<int64_t>(std::clamp<std::size_t>(hitBudget, 1, INT64_MAX));
    const std::vector<BaseRun> runs = PlanRuns(counts, limit, budget);
    // Room for the largest run collected, made once: the offsets never move.
    int64_t largest = 0;
    for (const BaseRun& run : runs) {
        if (run.hits <= budget) largest = std::max(largest, run.hits);
    }
    std::vector<int32_t> offsets;
    offsets.reserve(static_cast<std::size_t>(largest));
    for (std::size_t index = 0; index < runs.size(); ++index) {
        const auto percent = [&runs](std::size_t done) {
            return kCountingPercent +
                   static_cast<int32_t>(done * static_cast<std::size_t>(100 - kCountingPercent) / runs.size());
        };
        const BaseRun& run = runs[index];
        const RelativeWalk walk =
            run.hits > budget
                ? HandOverRun(passes, run, visit, percent(index), percent(index + 1))
                : CollectRun(passes, run, counts, offsets, visit, progress, percent(index), percent(index + 1));
        if (walk != RelativeWalk::Done) return walk;
    }
    return RelativeWalk::Done;
}

// The 256 scans, one per base value, each listing its matches in offset order.
[[nodiscard]] RelativeWalk ScannedHits(BytePieces& source, int32_t first, std::string_view word, MatchRule rule,
                                       int32_t limit, const RelativeHitVisitor& visit, const SearchProgress& progress)
{
    int64_t listed = 0;
    for (int base = 0; base < kBaseValues; ++base) {
        if (progress && !progress((base + 1) * 100 / kBaseValues)) return RelativeWalk::Stopped;
        if (limit >= 0 && listed >= limit) continue;
        const SearchPattern pattern = BuildRelativePattern(word, static_cast<uint8_t>(base));
        const bool read = ForEachMatch(source, first, pattern.view(), rule, [&](int32_t position) {
            visit({position, static_cast<uint8_t>(base)});
            ++listed;
            return limit < 0 || listed < limit;
        });
        if (!read) return RelativeWalk::Unreadable;
    }
    return RelativeWalk::Done;
}

}  // namespace

RelativeWalk ForEachRelativeHit(BytePieces& source, int32_t first, std::string_view word, MatchRule rule, int32_t limit,
                                const RelativeHitVisitor& visit, const SearchProgress& progress, std::size_t hitBudget)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(kRelativeWordLength) ||
        static_cast<std::size_t>(source.size()) < word.size()) {
        return RelativeWalk::Done;
    }
    if (!rule.ignoreCase && !rule.wildcard) return StepHits(source, first, word, limit, visit, progress, hitBudget);
    return ScannedHits(source, first, word, rule, limit, visit, progress);
}

std::optional<std::vector<RelativeHit>> FindRelativeHits(std::span<const uint8_t> data, int32_t first,
                                                         std::string_view word, MatchRule rule, int32_t limit,
                                                         const SearchProgress& progress)
{
    MemoryPieces pieces(data, kDocumentPieceBytes);
    std::vector<RelativeHit> hits;
    const RelativeWalk walk = ForEachRelativeHit(
        pieces, first, word, rule, limit, [&hits](const RelativeHit& hit) { hits.push_back(hit); }, progress, SIZE_MAX);
    if (walk != RelativeWalk::Done) return std::nullopt;
    return hits;
}

void AppendRelativeLine(std::string& out, int32_t offset, std::string_view word, uint8_t base)
{
    // Written out by hand: a relative search may list a line for every byte of an image.
    constexpr char kDigits[] = "0123456789ABCDEF";
    const uint8_t firstLetter = word.empty() ? 0 : static_cast<uint8_t>(word[0]);
    const auto standsFor = [&](char letter) {
        return static_cast<uint8_t>(static_cast<uint8_t>(letter) - firstLetter + base);
    };
    char head[] = "[$00000000] ";
    for (int digit = 0; digit < 8; ++digit) {
        head[2 + digit] = kDigits[(static_cast<uint32_t>(offset) >> (28 - 4 * digit)) & 0xF];
    }
    char tail[] = " | A=00 a=00 0=00";
    const char letters[] = {'A', 'a', '0'};
    for (std::size_t i = 0; i < 3; ++i) {
        const uint8_t value = standsFor(letters[i]);
        tail[5 + 5 * i] = kDigits[value >> 4];
        tail[6 + 5 * i] = kDigits[value & 0xF];
    }
    out.append(head, sizeof head - 1);
    out += word;
    if (word.size() < kLineWordWidth) out.append(kLineWordWidth - word.size(), ' ');
    out.append(tail, sizeof tail - 1);
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

    // The hits go straight into the list; the source holds the document's bytes in
    // place, so nothing touches them once progress has said the document is gone.
    MemoryPieces pieces(std::span<const uint8_t>(doc->data(), static_cast<std::size_t>(std::max(doc->viewSize, 0))),
                        kDocumentPieceBytes);
    list.relativeWord = std::string(word);
    const RelativeWalk walk = ForEachRelativeHit(
        pieces, first, word, MatchRule{options.IgCase, options.WildCrd}, options.FindLimit ? kFindLimitMatches : -1,
        [&list](const RelativeHit& hit) {
            list.entries.push_back({hit.offset, ResultLineKind::RelativeHit, hit.base});
        },
        progress, SIZE_MAX);
    if (walk != RelativeWalk::Done) {
        ClearResultList(list);
        outcome.status = RelativeSearchStatus::Stopped;
        return outcome;
    }
    state.matchCount = static_cast<int32_t>(list.entries.size());
    StorePattern(state, BuildRelativePattern(word, 0xFF));  // the last of the 256 patterns
    state.searchFound = false;
    state.fromStartUsed = list.entries.empty() ? 0 : 1;
    state.relativeSearchRan = true;
    return outcome;
}

}  // namespace zarvo
