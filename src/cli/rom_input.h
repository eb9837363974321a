#pragma once
// Loading a ROM, a table and other input files the way the editor does, with messages
// for the terminal that name the path and the reason.

#include "core/document.h"
#include "core/input_file.h"
#include "core/table_session.h"

#include <optional>
#include <ostream>
#include <string>

namespace zarvo::cli {

// Opens path as the editor opens it (no savestate header removed, ASCII table
// installed); on failure writes a message to err and returns false.
[[nodiscard]] bool LoadRom(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err);
// Loads path as Table #1 of doc; a file that cannot be read gets a message on err.
[[nodiscard]] bool LoadTable(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err);
// Reads a whole input file (a patch, an unchanged file); on failure writes
// "zarvo-tool: " and the reason to err and gives nothing.
[[nodiscard]] std::optional<InputBytes> ReadInput(const std::string& path, std::ostream& err);

}  // namespace zarvo::cli
