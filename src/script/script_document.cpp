#include "script/script_document.h"

#include "core/document_edit.h"
#include "core/hex_text.h"
#include "core/input_file.h"
#include "core/output_file.h"
#include "script/pointer_search.h"
#include "script/script_insertion.h"
#include "script/script_messages.h"
#include "script/script_table.h"
#include "script/script_table_file.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>
#include <string_view>

namespace zarvo {

namespace {

// pattern with each "%s" replaced by the next value, in order.
[[nodiscard]] std::string FillIn(const char* pattern, std::initializer_list<std::string> values)
{
    std::string text;
    auto value = values.begin();
    for (const char* at = pattern; *at != '\0'; ++at) {
        if (at[0] == '%' && at[1] == 's' && value != values.end()) {
            text += *value++;
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}

[[nodiscard]] Notice Refused(const char* caption, std::string text)
{
    return {NoticeKind::Stop, caption, std::move(text)};
}

[[nodiscard]] std::string FileNameOf(const std::string& path)
{
    const auto separator = path.find_last_of('/');
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::span<const uint8_t> WholeFileBytes(const DocRecord& doc)
{
    if (!doc.hasData()) return {};
    const std::size_t length =
        static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(std::max(doc.fileSize, 0));
    return {doc.storage.data(), std::min(length, doc.storage.size())};
}

Notice InsertScriptIntoDocument(DocRecord& doc, const std::string& scriptPath, bool atlasTables)
{
    const InputBytes script = ReadInputFile(scriptPath);
    if (!script.ok()) {
        return Refused(messages::kInsertTextCaption,
                       FillIn(messages::kScriptUnreadable, {InputFailureText(script.failure, scriptPath)}));
    }
    const std::span<const uint8_t> text = script.content();
    const std::span<const uint8_t> file = WholeFileBytes(doc);
    ScriptInsertion inserted;
    try {
        inserted = InsertScript(file, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                                scriptPath, TableReaderBeside(scriptPath, atlasTables));
    } catch (const std::bad_alloc&) {
        inserted.error = scriptPath + ": not enough memory to insert the script";
    }
    if (!inserted.error.empty()) return Refused(messages::kInsertTextCaption, inserted.error);
    const auto header = static_cast<std::size_t>(doc.headerSize);
    if (inserted.result.size() != file.size() ||
        !std::equal(file.begin(), file.begin() + header, inserted.result.begin())) {
        return Refused(messages::kInsertTextCaption, messages::kScriptWritesHeader);
    }
    // Only the bytes that differ are journaled: one undo step that costs what changed.
    OverwriteDifferingBytes(doc, std::span(inserted.result).subspan(header));
    return {NoticeKind::Captioned, messages::kInsertTextCaption, InsertionReport(inserted)};
}

Notice DumpScriptRefusal(const DocRecord& doc)
{
    if (ActiveTablePath(doc.table).empty()) return Refused(messages::kDumpScriptCaption, messages::kNoTableForScript);
    return {};
}

Notice DumpDocumentScript(const DocRecord& doc, ScriptDumpRequest request, const std::string& scriptPath,
                          const DumpOutput& output)
{
    if (Notice refusal = DumpScriptRefusal(doc); !refusal.empty()) return refusal;
    const std::string tablePath = ActiveTablePath(doc.table);
    request.tablePath = TablePathForScript(tablePath, scriptPath);
    // As zarvo-tool names it when run in the ROM's folder, where projects run it.
    request.romName = FileNameOf(doc.fileName);
    const std::span<const uint8_t> file = WholeFileBytes(doc);
    ScriptDump dump;
    // The script is made on the writer's thread, while the windows stay painted.
    const DumpProducer produce = [&](const ByteSink& sink) {
        if (output.progress) output.progress(0, 1);
        try {
            dump = DumpScript(file, ScriptTable::FromTable(doc.table), request);
        } catch (const std::bad_alloc&) {
            dump.error = "not enough memory to make the script";
        }
        if (!dump.error.empty()) return false;
        if (output.progress) output.progress(1, 1);
        return sink(reinterpret_cast<const uint8_t*>(dump.script.data()), dump.script.size());
    };
    const SaveError written =
        output.writer ? output.writer(scriptPath, produce) : WriteFileReplacing(scriptPath, produce);
    if (!dump.error.empty()) return Refused(messages::kDumpScriptCaption, dump.error);
    if (written != SaveError::None) {
        return Refused(messages::kDumpScriptCaption, FillIn(messages::kCannotWriteScript, {scriptPath}));
    }
    std::string text = FillIn(messages::kScriptDumped, {FileNameOf(scriptPath), std::to_string(dump.strings)});
    if (dump.skippedSlots > 0) text += FillIn(messages::kScriptSlotsSkipped, {std::to_string(dump.skippedSlots)});
    return {NoticeKind::Captioned, messages::kDumpScriptCaption, text};
}

Notice ListPointersTo(ResultListState& list, const DocRecord& doc, int32_t target, const PointerForm& form,
                      bool everyForm)
{
    if (!doc.hasData()) return {};
    const std::span<const uint8_t> bytes(doc.data(), static_cast<std::size_t>(std::max(doc.fileSize, 0)));
    const std::vector<PointerForm> forms =
        everyForm ? EveryPointerForm(form.offset, form.header, form.bigEndian) : std::vector<PointerForm>{form};
    const std::vector<PointerHit> hits = FindPointers(bytes, target, forms);
    if (hits.empty())
        return Refused(messages::kPointerCaption,
                       FillIn(messages::kNoPointersFound, {FormatHex(static_cast<uint32_t>(target), 8)}));
    list.entries.clear();
    list.storedLines.clear();
    list.relativeWord.clear();
    list.entries.reserve(hits.size());
    list.storedLines.reserve(hits.size());
    for (const PointerHit& hit : hits) {
        list.entries.push_back({static_cast<int32_t>(list.storedLines.size()), ResultLineKind::Stored, 0});
        list.storedLines.push_back(PointerHitLine(hit));
    }
    list.caption = FillIn(messages::kPointerListCaption, {std::to_string(hits.size())});
    return {};
}

PointerFollow FollowPointer(const DocRecord& doc, int32_t at, const PointerForm& form)
{
    const int64_t size = doc.hasData() ? std::max(doc.fileSize, 0) : 0;
    const std::string formText = PointerFormText(form);
    if (at < 0 || static_cast<int64_t>(at) + form.bytes() > size) {
        return {std::nullopt,
                Refused(messages::kPointerCaption,
                        FillIn(messages::kPointerPastEnd, {formText, FormatHex(static_cast<uint32_t>(at), 8)}))};
    }
    const uint32_t value = ReadPointerValue(form, std::span(doc.data() + at, static_cast<std::size_t>(form.bytes())));
    const std::optional<int64_t> target = PointerTargetOf(form, value, at);
    if (!target || *target < 0 || *target >= size) {
        return {std::nullopt,
                Refused(messages::kPointerCaption,
                        FillIn(messages::kPointerNamesNoOffset, {FormatHex(value, form.bytes() * 2),
                                                                 FormatHex(static_cast<uint32_t>(at), 8), formText}))};
    }
    return {static_cast<int32_t>(*target), {}};
}

}  // namespace zarvo
