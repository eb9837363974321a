#include "dump/dump_file.h"

#include "core/table_loader.h"
#include "dump/code_to_text.h"
#include "dump/dump_messages.h"
#include "dump/text_dump.h"

#include <algorithm>
#include <new>
#include <span>

namespace zarvo {

namespace {

[[nodiscard]] Notice FileError(std::string text) { return {NoticeKind::Stop, messages::kFileErrorCaption, text}; }

[[nodiscard]] DumpResult Refused(RangeError error)
{
    return {DumpMode::Idle, false, PlainNotice(RangeErrorText(error))};
}

// The bytes themselves, a MiB at a time so that progress can follow them.
[[nodiscard]] bool WriteBinaryDump(std::span<const uint8_t> bytes, const ByteSink& sink, const DumpProgress& progress)
{
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    for (std::size_t done = 0; done < bytes.size();) {
        const std::size_t count = std::min(kPiece, bytes.size() - done);
        if (!sink(bytes.data() + done, count)) return false;
        done += count;
        if (progress) progress(static_cast<int64_t>(done), static_cast<int64_t>(bytes.size()));
    }
    return true;
}

[[nodiscard]] Notice Success(DumpKind kind)
{
    if (kind == DumpKind::Binary)
        return {NoticeKind::Exclamation, messages::kBinaryDumpCaption, messages::kBinaryDumped};
    return {NoticeKind::Exclamation, messages::kTextDumpCaption, messages::kTextDumped};
}

}  // namespace

DumpResult RunDump(DumpKind kind, const DocRecord& doc, const DumpFields& fields, int32_t batchRemaining,
                   const DumpOutput& output)
{
    if (!doc.hasData()) return {};
    const RangeCheck check = CheckDumpRange(kind, fields.start, fields.end, doc);
    if (check.error != RangeError::None) return Refused(check.error);
    if (fields.fileName.empty()) return {DumpMode::NoFileName, false, FileError(messages::kNoFileName)};

    const DumpRange& range = check.range;
    const std::span<const uint8_t> bytes(doc.data() + range.start, static_cast<std::size_t>(range.size));
    const std::string tablePath = ActiveTablePath(doc.table);
    const DumpContext context{range.start, range.end, range.size, doc.fileName, tablePath};

    bool outOfMemory = false;
    const DumpProducer produce = [&](const ByteSink& sink) {
        if (kind == DumpKind::Binary) return WriteBinaryDump(bytes, sink, output.progress);
        try {
            return WriteTextDump(bytes, doc.table, context, sink, output.progress);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
            return false;
        }
    };
    const SaveError error =
        output.writer ? output.writer(fields.fileName, produce) : WriteFileReplacing(fields.fileName, produce);
    if (outOfMemory) return {DumpMode::Idle, false, PlainNotice(messages::kCannotAllocateDump)};
    switch (error) {
    case SaveError::None:
        return {DumpMode::Idle, true, batchRemaining == 0 ? Success(kind) : Notice{}};
    case SaveError::CannotCreate:
    case SaveError::CannotReplace:
    case SaveError::NotRegularFile:
    case SaveError::ReadOnlyTarget:
        return {DumpMode::CannotCreate, false, FileError(FillInText(messages::kCannotCreateDump, fields.fileName))};
    case SaveError::CannotWrite:
        break;
    }
    return {DumpMode::CannotCreate, false, FileError(FillInText(messages::kCannotWriteDump, fields.fileName))};
}

DumpResult DumpBinData(const DocRecord& doc, const DumpFields& fields, int32_t batchRemaining, const DumpOutput& output)
{
    return RunDump(DumpKind::Binary, doc, fields, batchRemaining, output);
}

DumpResult DumpTxtData(const DocRecord& doc, const DumpFields& fields, int32_t batchRemaining, const DumpOutput& output)
{
    return RunDump(DumpKind::Text, doc, fields, batchRemaining, output);
}

}  // namespace zarvo
