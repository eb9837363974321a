#include "dump/dump_dialog.h"

#include "core/hex_text.h"
#include "dump/byte_fill.h"
#include "dump/dump_messages.h"
#include "dump/table_append.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace zarvo {

namespace {

[[nodiscard]] DialogOutcome Closed(DialogOutcome outcome, DumpState& state)
{
    state.mode = DumpMode::Idle;
    outcome.show = DialogShow::Close;
    outcome.buttonCaption = messages::kDumpDataButton;
    return outcome;
}

[[nodiscard]] DumpMode StartedMode(DumpKind kind)
{
    return kind == DumpKind::Text ? DumpMode::TextStarted : DumpMode::BinaryStarted;
}

[[nodiscard]] bool Started(DumpMode mode)
{
    switch (mode) {
    case DumpMode::BinaryStarted:
    case DumpMode::TextStarted:
    case DumpMode::LabelStarted:
    case DumpMode::FillStarted:
        return true;
    case DumpMode::Idle:
    case DumpMode::NoFileName:
    case DumpMode::CannotCreate:
        break;
    }
    return false;
}

// The first press: the cursor is the start; showing the dialog empties the name box.
void TakeStart(DialogOutcome& outcome, DumpFields& fields, int32_t cursor)
{
    fields.start = DialogOffsetText(cursor);
    fields.end.clear();
    fields.fileName.clear();
    outcome.show = DialogShow::ShowModeless;
}

[[nodiscard]] DialogOutcome FinishDump(DumpKind kind, DialogOutcome outcome, DumpState& state, const DumpFields& fields,
                                       const DocRecord& doc, const DumpOutput& output)
{
    DumpResult result = RunDump(kind, doc, fields, state.batchRemaining, output);
    outcome.notice = std::move(result.notice);
    if (result.mode == DumpMode::NoFileName) {
        // The dump stays started: a name and another press finish it.
        state.mode = StartedMode(kind);
        outcome.focusFileName = true;
        return outcome;
    }
    return Closed(std::move(outcome), state);
}

[[nodiscard]] DialogOutcome FinishDumpLabel(DialogOutcome outcome, DumpState& state, DumpFields& fields, int32_t cursor,
                                            DocRecord& doc, TableSession& tables)
{
    fields.end = DialogOffsetText(cursor);
    if (fields.fileName.empty()) {
        outcome.notice = PlainNotice(messages::kNoBookmarkName);
        outcome.focusFileName = true;
        return outcome;
    }
    outcome = Closed(std::move(outcome), state);
    TableAppendResult saved = SaveDumpLabel(doc, tables, fields.start, static_cast<uint32_t>(cursor), fields.fileName);
    outcome.notice = std::move(saved.notice);
    outcome.tableReloaded = saved.reloaded;
    return outcome;
}

// A failed fill stays started, unless Done ran it: the dialog closes after Done.
[[nodiscard]] DialogOutcome FinishFill(DialogOutcome outcome, DumpState& state, DumpFields& fields, int32_t cursor,
                                       DocRecord& doc, bool fromDone)
{
    if (fields.end.empty()) fields.end = DialogOffsetText(cursor);  // an end typed by the user stays
    FillResult result = RunByteFill(doc, fields);
    outcome.notice = std::move(result.notice);
    outcome.modified = result.filled;
    if (result.filled || fromDone) return Closed(std::move(outcome), state);
    return outcome;
}

}  // namespace

int32_t DialogCursorOffset(const DocRecord& doc, int32_t bytesPerRow)
{
    const int64_t offset = int64_t{doc.topOffset} + int64_t{doc.cursorRow} * bytesPerRow + doc.cursorColumn;
    return static_cast<int32_t>(std::clamp<int64_t>(offset, 0, INT32_MAX));
}

std::string DialogOffsetText(int32_t offset) { return FormatHex(static_cast<uint32_t>(offset), 8); }

DialogOutcome PressDumpKey(DumpKind kind, DumpState& state, DumpFields& fields, int32_t cursor, const DocRecord& doc,
                           const DumpOutput& output)
{
    DialogOutcome outcome;
    if (kind == DumpKind::Text && state.mode == DumpMode::BinaryStarted) {
        outcome.notice = PlainNotice(messages::kTextAfterBinary);
        return outcome;
    }
    if (kind == DumpKind::Binary && state.mode == DumpMode::TextStarted) {
        outcome.notice = PlainNotice(messages::kBinaryAfterText);
        return outcome;
    }
    outcome.caption = kind == DumpKind::Text ? messages::kDumpTextCaption : messages::kDumpBinaryCaption;
    outcome.fieldLabel = messages::kEnterFileName;
    if (!Started(state.mode)) {
        TakeStart(outcome, fields, cursor);
        state.mode = StartedMode(kind);
        return outcome;
    }
    // Also while a dump label or a byte fill is pending: the boxes are dumped as they are.
    fields.end = DialogOffsetText(cursor);
    return FinishDump(kind, std::move(outcome), state, fields, doc, output);
}

DialogOutcome PressDumpLabelKey(DumpState& state, DumpFields& fields, int32_t cursor, DocRecord& doc,
                                TableSession& tables)
{
    DialogOutcome outcome;
    outcome.caption = messages::kDumpLabelCaption;
    if (!Started(state.mode)) {
        outcome.buttonCaption = messages::kSaveDataButton;
        TakeStart(outcome, fields, cursor);
        state.mode = DumpMode::LabelStarted;
        return outcome;
    }
    if (state.mode != DumpMode::LabelStarted) return outcome;
    return FinishDumpLabel(std::move(outcome), state, fields, cursor, doc, tables);
}

DialogOutcome PressFillKey(DumpState& state, DumpFields& fields, int32_t cursor, DocRecord& doc)
{
    DialogOutcome outcome;
    if (Started(state.mode) && state.mode != DumpMode::FillStarted) {
        outcome.notice = PlainNotice(messages::kFillWhileDumpPending);
        return outcome;
    }
    outcome.caption = messages::kFillCaption;
    outcome.fieldLabel = messages::kFillByteValue;
    if (state.mode != DumpMode::FillStarted) {
        TakeStart(outcome, fields, cursor);
        state.mode = DumpMode::FillStarted;
        return outcome;
    }
    return FinishFill(std::move(outcome), state, fields, cursor, doc, false);
}

DialogOutcome PressDone(DumpState& state, DumpFields& fields, int32_t cursor, DocRecord& doc, TableSession& tables,
                        const DumpOutput& output)
{
    DialogOutcome outcome;
    if (fields.fileName.empty() && state.mode != DumpMode::FillStarted) {
        outcome.notice = {NoticeKind::Stop, messages::kFileErrorCaption, messages::kNoFileName};
        outcome.focusFileName = true;
        return outcome;
    }
    if (!DoneEnabled(fields)) return outcome;
    switch (state.mode) {
    case DumpMode::BinaryStarted:
    case DumpMode::TextStarted: {
        const DumpKind kind = state.mode == DumpMode::TextStarted ? DumpKind::Text : DumpKind::Binary;
        outcome.notice = RunDump(kind, doc, fields, state.batchRemaining, output).notice;
        break;
    }
    case DumpMode::LabelStarted:
        return FinishDumpLabel(std::move(outcome), state, fields, cursor, doc, tables);
    case DumpMode::FillStarted:
        return FinishFill(std::move(outcome), state, fields, cursor, doc, true);
    case DumpMode::Idle:
    case DumpMode::NoFileName:
    case DumpMode::CannotCreate:
        break;
    }
    return Closed(std::move(outcome), state);
}

DialogOutcome PressEscape(DumpState& state, DumpFields& fields)
{
    fields = DumpFields{};
    return Closed(DialogOutcome{}, state);
}

DialogOutcome CloseDumpDialog(DumpState& state) { return Closed(DialogOutcome{}, state); }

bool DoneEnabled(const DumpFields& fields)
{
    return !fields.fileName.empty() && !fields.start.empty() && !fields.end.empty();
}

}  // namespace zarvo
