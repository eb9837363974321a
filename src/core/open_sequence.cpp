#include "core/open_sequence.h"

#include <filesystem>
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

OpenOutcome ReloadDocument(DocRecord& doc)
{
    OpenOutcome outcome;
    DocRecord fresh;
    outcome.error = OpenDocumentFile(fresh, doc.fileName, &outcome.failure);
    if (outcome.error != OpenError::None) return outcome;
    if (doc.headerSize > 0 && CanRemoveSavestateHeader(fresh)) RemoveSavestateHeader(fresh);
    if (IsSavestatePath(doc.fileName)) ReadSavestatePalette(fresh);
    doc.storage = std::move(fresh.storage);
    doc.headerSize = fresh.headerSize;
    doc.fileSize = fresh.fileSize;
    doc.viewSize = fresh.viewSize;
    doc.savestatePalette = fresh.savestatePalette;
    doc.diskStamp = StampOf(doc.fileName).value_or(FileStamp{});
    doc.journal = EditJournal{};
    doc.changes.clear();
    doc.modified = false;
    doc.nibblePending = false;
    // A shorter file takes the view back to its start; the next paint settles the rest.
    if (doc.topOffset >= doc.viewSize || doc.cursorOffset >= doc.viewSize) {
        doc.topOffset = 0;
        doc.cursorOffset = 0;
        doc.cursorRow = 0;
        doc.cursorColumn = 0;
    }
    return outcome;
}

}  // namespace zarvo
