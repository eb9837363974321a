#include "cli/rom_input.h"

#include "cli/document_output.h"
#include "core/document_file.h"
#include "core/open_sequence.h"
#include "core/table_loader.h"

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
    doc.table.activeTable = 0;
    doc.table.tableName[0] = path;
    InputFailure failure;
    const TableLoadResult result = TableLoader(doc, tables, path, &failure);
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

std::optional<InputBytes> ReadInput(const std::string& path, std::ostream& err)
{
    InputBytes input = ReadInputFile(path);
    if (input.ok()) return input;
    PrintFailure(err, InputFailureText(input.failure, path));
    return std::nullopt;
}

}  // namespace zarvo::cli
