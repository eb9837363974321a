#include "cli/rom_input.h"

#include "core/document_file.h"
#include "core/table_loader.h"

#include <fstream>

namespace zarvo::cli {

bool LoadRom(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err)
{
    switch (OpenDocumentFile(doc, path)) {
    case OpenError::None:
        break;
    case OpenError::CannotOpen:
        err << "zarvo-tool: cannot open " << path << "\n";
        return false;
    case OpenError::TooLarge:
        err << "zarvo-tool: " << path << " is 2 GiB or larger and cannot be edited\n";
        return false;
    }
    LoadAsciiTable(doc, tables);
    return true;
}

bool LoadTable(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err)
{
    // The editor falls back to the ASCII table in silence; a script wants to know.
    if (!std::ifstream(path, std::ios::binary).is_open()) {
        err << "zarvo-tool: cannot read table file " << path << "\n";
        return false;
    }
    doc.table.activeTable = 0;
    doc.table.tableName[0] = path;
    return TableLoader(doc, tables, path) == TableLoadResult::Loaded;
}

}  // namespace zarvo::cli
