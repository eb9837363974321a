#include "search/result_list.h"

#include "core/hex_text.h"
#include "search/relative_search.h"
#include "search/search_messages.h"
#include "view/jump.h"

#include <algorithm>
#include <cstdio>

namespace zarvo {

namespace {

// A number read from a line, moved back onto the document's last byte when it lies
// past the end.
[[nodiscard]] std::optional<int32_t> OffsetInDocument(std::string_view digits, int32_t viewSize)
{
    const std::optional<int32_t> offset = ParseHexOffset(digits);
    if (!offset || viewSize <= 0) return std::nullopt;
    return std::min(*offset, viewSize - 1);
}

}  // namespace

void ClearResultList(ResultListState& list)
{
    list.entries.clear();
    list.storedLines.clear();
    list.relativeWord.clear();
}

void AddMatchLine(ResultListState& list, int32_t offset) { list.entries.push_back({offset, ResultLineKind::Match, 0}); }

std::size_t ResultLineCount(const ResultListState& list) { return list.entries.size(); }

void AppendMatchLine(std::string& out, int32_t offset)
{
    out += "[$";
    AppendHex(out, static_cast<uint32_t>(offset), 8);
    out += ']';
}

void AppendResultLine(std::string& out, const ResultListState& list, std::size_t index)
{
    if (index >= list.entries.size()) return;
    const ResultEntry& entry = list.entries[index];
    switch (entry.kind) {
    case ResultLineKind::Match:
        AppendMatchLine(out, entry.value);
        break;
    case ResultLineKind::RelativeHit:
        AppendRelativeLine(out, entry.value, list.relativeWord, entry.base);
        break;
    case ResultLineKind::Stored:
        if (entry.value >= 0 && static_cast<std::size_t>(entry.value) < list.storedLines.size()) {
            out += list.storedLines[static_cast<std::size_t>(entry.value)];
        }
        break;
    }
}

std::string ResultLineText(const ResultListState& list, std::size_t index)
{
    std::string line;
    AppendResultLine(line, list, index);
    return line;
}

std::string MatchesFoundCaption(int32_t matchCount)
{
    char caption[64] = {};
    std::snprintf(caption, sizeof caption, messages::kMatchesFoundFormat, matchCount);
    return caption;
}

bool ShowResultList(ResultListState& list, const TableSession& tables)
{
    if (list.mode == 0) return true;
    ClearResultList(list);
    for (const std::string& label : tables.dumpLabels) {
        if (label.empty()) continue;
        list.entries.push_back({static_cast<int32_t>(list.storedLines.size()), ResultLineKind::Stored, 0});
        list.storedLines.push_back(label);
    }
    return false;
}

void CloseResultList(ResultListState& list) { list.mode = 0; }

std::optional<int32_t> ListLineOffset(std::string_view line, int32_t viewSize)
{
    if (line.size() < 3) return std::nullopt;
    return OffsetInDocument(line.substr(2, 8), viewSize);
}

std::optional<int32_t> LabelJumpOffset(std::string_view line, LabelEnd end, int32_t viewSize)
{
    const std::size_t dash = line.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    if (end == LabelEnd::Start) {
        const std::size_t open = line.find('[');
        if (open == std::string_view::npos || open > dash) return std::nullopt;
        return OffsetInDocument(line.substr(open + 1, dash - open - 1), viewSize);
    }
    const std::size_t close = line.find(']', dash);
    if (close == std::string_view::npos) return std::nullopt;
    return OffsetInDocument(line.substr(dash + 1, close - dash - 1), viewSize);
}

ListActivation ActivateListLine(const ResultListState& list, const std::string* selectedLine, DocRecord* doc,
                                const Session& session)
{
    if (doc == nullptr || !doc->hasData() || selectedLine == nullptr) return ListActivation::Nothing;
    if (list.mode != 0) return ListActivation::DumpLabels;
    const std::optional<int32_t> offset = ListLineOffset(*selectedLine, doc->viewSize);
    if (!offset) return ListActivation::Nothing;
    JumpTo(*doc, session, *offset);
    return ListActivation::Jumped;
}

bool JumpToLabelEnd(const std::string* selectedLine, LabelEnd end, DocRecord* doc, const Session& session)
{
    if (doc == nullptr || !doc->hasData() || selectedLine == nullptr) return false;
    const std::optional<int32_t> offset = LabelJumpOffset(*selectedLine, end, doc->viewSize);
    if (!offset) return false;
    JumpTo(*doc, session, *offset);
    return true;
}

}  // namespace zarvo
