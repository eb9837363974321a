#include "dump/dump_label.h"

#include "dump/dump_messages.h"

namespace zarvo {

std::optional<DumpLabel> ParseDumpLabel(std::string_view line)
{
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t dash = line.find('-', open + 1);
    if (dash == std::string_view::npos) return std::nullopt;
    const std::size_t close = line.find(']', dash + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return DumpLabel{std::string(line.substr(open + 1, dash - open - 1)),
                     std::string(line.substr(dash + 1, close - dash - 1)), std::string(line.substr(close + 1))};
}

DumpFields LabelDumpFields(const DumpLabel& label, DumpKind kind, std::string_view folder)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    path += label.name;
    path += kind == DumpKind::Text ? ".txt" : ".dat";
    return {path, label.start, label.end};
}

std::string DumpListCaption(DumpKind kind, unsigned labelCount)
{
    std::string caption(kind == DumpKind::Text ? messages::kTextDumpList : messages::kBinaryDumpList);
    caption.replace(caption.find("%d"), 2, std::to_string(labelCount));
    return caption;
}

const char* DumpFromListRefusal(const TableSession& tables)
{
    return tables.dumpLabelCount() == 0 ? messages::kNoDumpLabels : nullptr;
}

std::vector<LabelDump> DumpLabelBatch(const DocRecord& doc, std::span<const std::string> lines, DumpKind kind,
                                      DumpState& state, std::string_view folder)
{
    std::vector<LabelDump> dumps(lines.size());
    int32_t labels = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        dumps[i].line = lines[i];
        const auto label = ParseDumpLabel(lines[i]);
        dumps[i].skipped = !label;
        if (label) {
            dumps[i].fields = LabelDumpFields(*label, kind, folder);
            ++labels;
        }
    }
    // Lines that are no labels are left out of the count, so the last real dump
    // still announces the batch.
    state.batchRemaining = labels > 1 ? labels : 0;
    for (LabelDump& dump : dumps) {
        if (dump.skipped) continue;
        if (state.batchRemaining > 0) --state.batchRemaining;
        dump.result = RunDump(kind, doc, dump.fields, state.batchRemaining);
    }
    state.batchRemaining = 0;
    return dumps;
}

}  // namespace zarvo
