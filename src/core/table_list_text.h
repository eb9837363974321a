#pragma once
// The table editor's list as text: the lines of the built-in ASCII table, sorting,
// the caption, and the questions about where the list is saved. Lines are byte
// strings in the table file's own encoding, without line ends.

#include "core/table.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// "20= " up to "7E=~": one "%02X=%c" line for each byte 0x20..0x7E, unshifted.
[[nodiscard]] std::vector<std::string> AsciiTableLines();

// Sorts once, letters compared without regard to case, equal lines keeping their order.
void SortTableLines(std::vector<std::string>& lines);

// "Table Editor [" + the file name part of editFileName + "]".
[[nodiscard]] std::string TableEditorCaption(std::string_view editFileName);

// The chosen path with ".<extension>" added when its file name has no extension.
[[nodiscard]] std::string WithDefaultExtension(std::string_view path, std::string_view extension);

// True when closing the editor should offer editFileName as the document's table:
// Table #1 or #2 is active and editFileName is a different, non-empty path.
[[nodiscard]] bool OffersTableReplace(const TableData& table, std::string_view editFileName);

}  // namespace zarvo
