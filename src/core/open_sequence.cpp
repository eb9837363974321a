#include "core/open_sequence.h"

#include "core/document_edit.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <span>
#include <system_error>

namespace zarvo {

OpenOutcome OpenDocumentSequence(DocRecord& doc, TableSession& tables, const std::string& path,
                                 const OpenChoices& choices)
{
    OpenOutcome outcome;
    outcome.error = OpenDocumentFile(doc, path, &outcome.failure);
    if (outcome.error != OpenError::None) return outcome;
    doc.diskStamp = StampOf(path).value_or(FileStamp{});

    if (IsSavestatePath(path)) {
        // A file shorter than the header has no header to remove: nothing to ask.
        const bool removeHeader =
            CanRemoveSavestateHeader(doc) && choices.removeSavestateHeader && choices.removeSavestateHeader();
        ReadSavestatePalette(doc);
        if (removeHeader) RemoveSavestateHeader(doc);
    }
    // The ASCII entries come in while the document still counts as on Table #1, so
    // that the window's activation reads Table #1 (or falls back to ASCII) as usual.
    const int8_t activeTable = doc.table.activeTable;
    LoadAsciiTable(doc, tables);
    doc.table.activeTable = activeTable;
    doc.modified = false;
    doc.cursorRow = 0;
    doc.cursorColumn = 0;
    doc.cursorOffset = 0;
    doc.topOffset = 0;

    if (!choices.loadCompanionTable) return outcome;
    const std::string companion = CompanionTablePath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(companion, error)) return outcome;
    outcome.companionTableFound = true;
    doc.table.tableName[0] = companion;
    doc.table.activeTable = 0;
    outcome.table = TableLoader(doc, tables, companion);
    return outcome;
}

bool ChangedOnDisk(const DocRecord& doc)
{
    if (!doc.hasData() || doc.fileName.empty()) return false;
    const std::optional<FileStamp> now = StampOf(doc.fileName);
    // A file that is gone has nothing to reload from.
    return now && *now != doc.diskStamp;
}

namespace {

// A savestate whose file became shorter than its header can no longer show its data
// without it: it is read as a fresh open reads it, and the history starts afresh.
void ReplaceWithoutHistory(DocRecord& doc, InputBytes& fresh)
{
    doc.storage = std::move(fresh.bytes);
    doc.headerSize = 0;
    doc.fileSize = fresh.length;
    doc.viewSize = std::max(fresh.length, kMinimumViewSize);
    doc.journal = EditJournal{};
}

}  // namespace

OpenOutcome ReloadDocument(DocRecord& doc)
{
    OpenOutcome outcome;
    // Read with room for all the buffer holds now, so that what lies past the file's
    // new end reads as zero, as after an open.
    InputBytes fresh =
        ReadInputFile(doc.fileName, std::max(doc.storage.size(), static_cast<std::size_t>(kMinimumViewSize)));
    outcome.failure = fresh.failure;
    outcome.error = fresh.failure.error;
    if (!fresh.ok()) return outcome;
    if (fresh.bytes.size() > doc.storage.size()) {
        std::optional<DocumentBytes> larger = DocumentBytes::Allocate(fresh.bytes.size());
        if (!larger) {
            outcome.failure.error = outcome.error = OpenError::OutOfMemory;
            return outcome;
        }
        std::memcpy(larger->data(), doc.storage.data(), doc.storage.size());
        doc.storage = std::move(*larger);
    }

    const int32_t header = doc.headerSize;
    if (header > 0 && fresh.length < header) {
        ReplaceWithoutHistory(doc, fresh);
    } else {
        // One step of the history: undo gives back the document as it was, edits included.
        const EditStep step(doc);
        // The header is no part of the history; Save writes back the one the file has now.
        std::memcpy(doc.storage.data(), fresh.bytes.data(), static_cast<std::size_t>(header));
        OverwriteDifferingBytes(doc, std::span(fresh.bytes.data() + header, fresh.bytes.size() - header));
        doc.fileSize = fresh.length - header;
        doc.viewSize = std::max(fresh.length, kMinimumViewSize) - header;
        doc.nibblePending = false;
        // A shorter file takes the view back to its start; the next paint settles the rest.
        if (doc.topOffset >= doc.viewSize || doc.cursorOffset >= doc.viewSize) {
            doc.topOffset = 0;
            doc.cursorOffset = 0;
            doc.cursorRow = 0;
            doc.cursorColumn = 0;
        }
    }
    doc.savestatePalette.reset();
    if (IsSavestatePath(doc.fileName)) ReadSavestatePalette(doc);
    // The document is its file again, the bytes past its end (read again as zeros) too.
    MarkAsFileContent(doc, std::string(doc.fileName));
    doc.changes.clear();
    doc.nibblePending = false;
    return outcome;
}

}  // namespace zarvo
