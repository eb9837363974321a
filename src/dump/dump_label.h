#pragma once
// Dump labels ("[FIRST-LAST]name" lines of the table file) and Dump From List: each
// selected label dumped to a file named after it, one message after the last.

#include "core/document.h"
#include "core/dump_state.h"
#include "core/table_session.h"
#include "dump/dump_file.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

struct DumpLabel {
    std::string start;  // between '[' and the first '-'
    std::string end;    // between that '-' and the ']' after it
    std::string name;   // after that ']'
};

// Nothing for a line without '[', without '-' after it, or without ']' after the '-'.
[[nodiscard]] std::optional<DumpLabel> ParseDumpLabel(std::string_view line);

// The dump dialog's boxes for a label: its offsets, and its name with ".txt" (text)
// or ".dat" (binary), inside folder when one is given.
[[nodiscard]] DumpFields LabelDumpFields(const DumpLabel& label, DumpKind kind, std::string_view folder);

// The list window's caption, "TEXT Dump List: %d dump label(s)" and its binary twin.
[[nodiscard]] std::string DumpListCaption(DumpKind kind, unsigned labelCount);
// messages::kNoDumpLabels when the table holds no dump label, else null.
[[nodiscard]] const char* DumpFromListRefusal(const TableSession& tables);

struct LabelDump {
    std::string line;
    bool skipped = false;  // the line is no dump label; nothing was dumped
    DumpFields fields;
    DumpResult result;
};

// Dumps the selected lines top to bottom. With more than one label, batchRemaining
// counts down before each dump, so that only the last one announces its success;
// a label that fails, or a line that is no label (skipped, not counted), does not
// stop the others. batchRemaining is 0 afterwards.
[[nodiscard]] std::vector<LabelDump> DumpLabelBatch(const DocRecord& doc, std::span<const std::string> lines,
                                                    DumpKind kind, DumpState& state, std::string_view folder = {});

}  // namespace zarvo
