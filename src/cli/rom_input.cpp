#include "cli/rom_input.h"

#include "cli/document_output.h"
#include "core/document_file.h"
#include "core/open_sequence.h"
#include "core/table_loader.h"

#include <algorithm>

namespace zarvo::cli {

bool LoadRom(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err)
{
    // As the editor opens it, but a savestate keeps its header and no companion table
    // is read: the command line names the table it wants.
    OpenChoices choices;
    choices.loadCompanionTable = false;
    const OpenOutcome opened = OpenDocumentSequence(doc, tables, path, choices);
    // A command writes its result and ends: nothing is ever undone.
    doc.journal.setRecording(false);
    if (opened.error == OpenError::None) return true;
    PrintFailure(err, InputFailureText(opened.failure, path));
    return false;
}

bool LoadTable(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err)
{
    InputFailure failure;
    const TableLoadResult result = LoadTableIntoSlot(doc, tables, 0, path, &failure);
    // The editor falls back to the ASCII table in silence; a script wants to know.
    if (result == TableLoadResult::FellBackToAscii) {
        PrintFailure(err, InputFailureText(failure, path));
        return false;
    }
    if (result == TableLoadResult::OutOfMemory) {
        PrintFailure(err, "not enough memory to hold the table file " + path);
        return false;
    }
    return true;
}

RomReader::RomReader(const std::string& path) : path_(path), file_(path) {}

bool RomReader::ready(std::ostream& err) const
{
    if (file_.isOpen()) return true;
    reportReadFailure(err);
    return false;
}

int32_t RomReader::viewSize() const { return std::max(file_.size(), kMinimumViewSize); }

bool RomReader::open(DocRecord& doc, TableSession& tables, std::ostream& err) const
{
    if (!ready(err)) return false;
    // What OpenDocumentSequence sets up besides the bytes, with the header kept.
    doc.fileName = path_;
    doc.headerSize = 0;
    doc.fileSize = file_.size();
    doc.viewSize = viewSize();
    LoadAsciiEntriesKeepingSlot(doc, tables);
    doc.journal.setRecording(false);
    return true;
}

bool RomReader::readRange(DocRecord& doc, int64_t from, int64_t to, std::ostream& err)
{
    if (!doc.hasData()) {
        // Untouched pages of the buffer take no memory. A small first read is one of a few
        // pieces (a sheet, a savestate's palette), for which small pages are cheaper.
        const bool small = to - from < static_cast<int64_t>(DocumentBytes::kHugePageSize);
        std::optional<DocumentBytes> bytes =
            DocumentBytes::Allocate(static_cast<std::size_t>(doc.viewSize),
                                    small ? DocumentBytes::Filling::InPieces : DocumentBytes::Filling::Whole);
        if (!bytes) {
            PrintFailure(err, InputFailureText({InputError::OutOfMemory}, path_));
            return false;
        }
        doc.storage = std::move(*bytes);
    }
    from = std::max<int64_t>(from, 0);
    to = std::min<int64_t>(to, doc.fileSize);
    if (from >= to || file_.readAt(from, doc.storage.data() + from, static_cast<std::size_t>(to - from))) return true;
    reportReadFailure(err);
    return false;
}

void RomReader::reportReadFailure(std::ostream& err) const
{
    PrintFailure(err, InputFailureText(file_.failure(), path_));
}

std::optional<InputBytes> ReadInput(const std::string& path, std::ostream& err)
{
    InputBytes input = ReadInputFile(path);
    if (input.ok()) return input;
    PrintFailure(err, InputFailureText(input.failure, path));
    return std::nullopt;
}

}  // namespace zarvo::cli
