#pragma once
// The result list window's lines and what they do: search hits, relative-search
// hits and dump labels, the caption, and the offsets a line jumps to.

#include "core/document.h"
#include "core/search_state.h"
#include "core/session.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// Empties the list (lines, stored texts and the relative word).
void ClearResultList(ResultListState& list);
// Appends the line "[$%08X]" of a text, hexadecimal or kana match.
void AddMatchLine(ResultListState& list, int32_t offset);

[[nodiscard]] std::size_t ResultLineCount(const ResultListState& list);
// The text of line index (< ResultLineCount), as the list shows it.
[[nodiscard]] std::string ResultLineText(const ResultListState& list, std::size_t index);
// The same text added to the end of out.
void AppendResultLine(std::string& out, const ResultListState& list, std::size_t index);
// "[$%08X]" added to the end of out.
void AppendMatchLine(std::string& out, int32_t offset);

// "Data List: %d Match(es) Found!"
[[nodiscard]] std::string MatchesFoundCaption(int32_t matchCount);

// Showing the window: in modes 1 and 2 the list is refilled with the dump labels.
// True when "Create table with Selected values" is enabled (mode 0).
[[nodiscard]] bool ShowResultList(ResultListState& list, const TableSession& tables);
// Closing the window: the mode returns to 0; the lines stay.
void CloseResultList(ResultListState& list);

// The offset a double click on a line jumps to: its third to tenth characters (the
// eight digits after "[$") read as hexadecimal, kept inside the document's viewSize
// bytes. Nothing when they do not begin with a digit.
[[nodiscard]] std::optional<int32_t> ListLineOffset(std::string_view line, int32_t viewSize);

enum class LabelEnd { Start, End };
// "Jump to Starting Offset": the number after the first '[' up to the first '-';
// "Jump to Ending Offset": after the first '-' up to the next ']'. Nothing for a line
// without those characters or without a digit there (a search line has none).
[[nodiscard]] std::optional<int32_t> LabelJumpOffset(std::string_view line, LabelEnd end, int32_t viewSize);

enum class ListActivation {
    Nothing,     // no editor window, no selected line, or a line without an offset
    Jumped,      // mode 0: the cursor is on the line's offset; the window stays open
    DumpLabels,  // modes 1 and 2: the selected labels go to Dump From List
};

// A double click or Enter on the line selected (null when none) while doc (null when
// no editor window is open) is the current document; the jump is JumpTo's.
[[nodiscard]] ListActivation ActivateListLine(const ResultListState& list, const std::string* selectedLine,
                                              DocRecord* doc, const Session& session);
// The popup's jump commands on the selected line: true when the cursor moved (the
// window then closes and the dump dialog's offset boxes are emptied).
[[nodiscard]] bool JumpToLabelEnd(const std::string* selectedLine, LabelEnd end, DocRecord* doc,
                                  const Session& session);

}  // namespace zarvo
