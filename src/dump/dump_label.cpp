#include "dump/dump_label.h"

#include "core/file_stamp.h"
#include "core/table_loader.h"
#include "dump/dump_messages.h"

#include <algorithm>
#include <set>

namespace zarvo {

namespace {

[[nodiscard]] const char* RefusalReason(LabelRefusal refusal)
{
    switch (refusal) {
    case LabelRefusal::None:
        break;
    case LabelRefusal::NoName:
        return messages::kLabelWithoutName;
    case LabelRefusal::PathSeparator:
        return messages::kLabelWithSeparator;
    case LabelRefusal::ParentReference:
        return messages::kLabelWithParent;
    case LabelRefusal::ControlCharacter:
        return messages::kLabelWithControl;
    case LabelRefusal::NamesTheRom:
        return messages::kLabelNamesRom;
    case LabelRefusal::NamesTheTable:
        return messages::kLabelNamesTable;
    case LabelRefusal::SymbolicLink:
        return messages::kLabelNamesLink;
    case LabelRefusal::Repeated:
        return messages::kLabelRepeated;
    }
    return "";
}

[[nodiscard]] Notice RefusalNotice(const LabelDump& dump)
{
    std::string text = FillInText(messages::kLabelRefused, dump.line);
    text += FillInText(RefusalReason(dump.refusal), dump.fields.fileName);
    return {NoticeKind::Stop, messages::kFileErrorCaption, std::move(text)};
}

// The refusals that depend on the file the label would write, once its name is sound.
[[nodiscard]] LabelRefusal TargetRefusal(const std::string& path, const DocRecord& doc,
                                         const std::set<std::string>& earlier)
{
    if (earlier.count(path) != 0) return LabelRefusal::Repeated;
    if (IsSymbolicLink(path)) return LabelRefusal::SymbolicLink;
    if (IsSameFile(path, doc.fileName)) return LabelRefusal::NamesTheRom;
    if (IsSameFile(path, ActiveTablePath(doc.table))) return LabelRefusal::NamesTheTable;
    return LabelRefusal::None;
}

}  // namespace

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

std::string DumpListShortfall(const TableSession& tables)
{
    if (tables.dumpLabelsInTable <= tables.dumpLabels.size()) return {};
    std::string text(messages::kDumpListShowsFirst);
    text.replace(text.find("%d"), 2, std::to_string(tables.dumpLabelsInTable));
    text.replace(text.find("%d"), 2, std::to_string(tables.dumpLabels.size()));
    return text;
}

LabelRefusal LabelNameRefusal(std::string_view name)
{
    if (name.empty()) return LabelRefusal::NoName;
    if (name.find_first_of("/\\") != std::string_view::npos) return LabelRefusal::PathSeparator;
    if (name.find("..") != std::string_view::npos) return LabelRefusal::ParentReference;
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    return control ? LabelRefusal::ControlCharacter : LabelRefusal::None;
}

const char* DumpFromListRefusal(const TableSession& tables)
{
    return tables.dumpLabelCount() == 0 ? messages::kNoDumpLabels : nullptr;
}

std::vector<LabelDump> DumpLabelBatch(const DocRecord& doc, std::span<const std::string> lines, DumpKind kind,
                                      DumpState& state, std::string_view folder, const DumpOutput& output)
{
    std::vector<LabelDump> dumps(lines.size());
    std::set<std::string> planned;
    int32_t labels = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LabelDump& dump = dumps[i];
        dump.line = lines[i];
        const auto label = ParseDumpLabel(lines[i]);
        dump.skipped = !label;
        if (!label) continue;
        dump.fields = LabelDumpFields(*label, kind, folder);
        dump.refusal = LabelNameRefusal(label->name);
        if (dump.refusal == LabelRefusal::None) dump.refusal = TargetRefusal(dump.fields.fileName, doc, planned);
        if (dump.refusal != LabelRefusal::None) {
            dump.result.notice = RefusalNotice(dump);
            continue;
        }
        planned.insert(dump.fields.fileName);
        ++labels;
    }
    // Lines that are no labels, and refused labels, are left out of the count, so the
    // last real dump still announces the batch.
    state.batchRemaining = labels > 1 ? labels : 0;
    for (LabelDump& dump : dumps) {
        if (dump.skipped || dump.refusal != LabelRefusal::None) continue;
        if (state.batchRemaining > 0) --state.batchRemaining;
        dump.result = RunDump(kind, doc, dump.fields, state.batchRemaining, output);
    }
    state.batchRemaining = 0;
    return dumps;
}

}  // namespace zarvo
