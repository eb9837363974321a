#pragma once
// Dump labels ("[FIRST-LAST]name" lines of the table file) and Dump From List: each
// selected label dumped to a file named after it, one message after the last.

#include "core/document.h"
#include "core/dump_state.h"
#include "core/notice.h"
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
// When the table holds more labels than the list keeps, the message that says so;
// empty otherwise.
[[nodiscard]] std::string DumpListShortfall(const TableSession& tables);
// messages::kNoDumpLabels when the table holds no dump label, else null.
[[nodiscard]] const char* DumpFromListRefusal(const TableSession& tables);

// Why a label is not dumped. Tables are shared between translators, so a label's name
// is untrusted: its file must stay inside the dump folder and must not replace the
// files being read.
enum class LabelRefusal {
    None,
    NoName,            // nothing after the ']'
    PathSeparator,     // '/' or '\' in the name: the file would land in another folder
    ParentReference,   // ".." in the name
    ControlCharacter,  // a byte below 0x20, or 0x7F
    NamesTheRom,       // the file would be the document being dumped
    NamesTheTable,     // the file would be the table being read
    SymbolicLink,      // the file is a symbolic link, which may lead out of the folder
    Repeated,          // an earlier label of the batch names the same file
};

// The refusal of a label's name alone (NoName .. ControlCharacter, or None).
[[nodiscard]] LabelRefusal LabelNameRefusal(std::string_view name);

struct LabelDump {
    std::string line;
    bool skipped = false;  // the line is no dump label; nothing was dumped
    LabelRefusal refusal = LabelRefusal::None;  // a refused label is not dumped either
    DumpFields fields;
    DumpResult result;  // for a refused label: the notice that names its line and why
};

// Dumps the selected lines top to bottom. With more than one label, batchRemaining
// counts down before each dump, so that only the last one announces its success;
// a label that fails, is refused, or a line that is no label (skipped; neither is
// counted) does not stop the others. batchRemaining is 0 afterwards.
[[nodiscard]] std::vector<LabelDump> DumpLabelBatch(const DocRecord& doc, std::span<const std::string> lines,
                                                    DumpKind kind, DumpState& state, std::string_view folder = {},
                                                    const DumpOutput& output = {});

}  // namespace zarvo
