#pragma once
// Reading a table file into the editor's list and writing the list back: one list
// line per file line. Lines are read up to LF (a CR before it is dropped) and
// written each followed by LF.

#include "core/document_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// The lines of content; a last line without LF counts, an empty content has none.
[[nodiscard]] std::vector<std::string> SplitTableFileLines(std::string_view content);
// Every line followed by "\n".
[[nodiscard]] std::string TableFileContent(const std::vector<std::string>& lines);

// The lines of the file at path, or nothing when it is not a readable regular file.
[[nodiscard]] std::optional<std::vector<std::string>> ReadTableListFile(const std::string& path);
// Writes the whole list or nothing: the file at path is replaced only once the new
// content is completely written.
[[nodiscard]] SaveError WriteTableListFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zarvo
