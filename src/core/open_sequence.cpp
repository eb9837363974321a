#include "core/open_sequence.h"

#include "core/document_edit.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zarvo {

OpenOutcome OpenDocumentSequence(DocRecord& doc, TableSession& tables, const std::string& path,
                                 const OpenChoices& choices)
{
    OpenOutcome outcome;
    outcome.error = OpenDocumentFile(doc, path, &outcome.failure);
    if (outcome.error != OpenError::None) return outcome;
    TakeDiskStamp(doc);

    if (IsSavestatePath(path)) {
        // A file shorter than the header has no header to remove: nothing to ask.
        const bool removeHeader =
            CanRemoveSavestateHeader(doc) && choices.removeSavestateHeader && choices.removeSavestateHeader();
        ReadSavestatePalette(doc);
        if (removeHeader) RemoveSavestateHeader(doc);
    }
    LoadAsciiEntriesKeepingSlot(doc, tables);
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
    outcome.table = LoadTableIntoSlot(doc, tables, 0, companion);
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

    if (doc.headerSize > 0 && fresh.length < doc.headerSize) {
        ReplaceWithoutHistory(doc, fresh);
    } else {
        // One step of the history: undo gives back the document as it was, edits
        // included. Save writes back the header the file has now.
        if (!ReplaceDocumentContent(doc, {fresh.bytes.data(), fresh.bytes.size()}, fresh.length)) {
            outcome.failure.error = outcome.error = OpenError::OutOfMemory;
            return outcome;
        }
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
