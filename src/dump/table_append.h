#pragma once
// Bookmarks and dump labels appended to the active table file, which is then loaded
// again so that the jump list and the dump labels hold the new line at once.

#include "core/document.h"
#include "core/table_session.h"
#include "dump/dump_notice.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

// "(%Xh)%s\n": the offset in hexadecimal without leading zeros, then the name.
[[nodiscard]] std::string BookmarkLine(uint32_t offset, std::string_view name);
// "[%08X-%08X]%s\n": the first and last offset, then the name.
[[nodiscard]] std::string DumpLabelLine(uint32_t first, uint32_t last, std::string_view name);

enum class AppendError {
    None,
    NoTableFile,  // no path, not a regular file, or it cannot be opened for writing
    CannotWrite,  // the line could not be written whole
};

// Appends line to the file at path. A file whose last line has no line end gets one
// first, so the new line never joins it. Nothing else in the file changes.
[[nodiscard]] AppendError AppendTableLine(const std::string& path, std::string_view line);

struct TableAppendResult {
    bool reloaded = false;  // the line was appended and the table loaded again
    Notice notice;
};

// Save Bookmark: appends the bookmark of offset to the active table file and loads
// it again. An empty name does nothing. The notice is empty on success.
[[nodiscard]] TableAppendResult SaveBookmark(DocRecord& doc, TableSession& tables, uint32_t offset,
                                             std::string_view name);

// The second step of Save Dump Bookmark: appends the dump label from the start box
// (read as hexadecimal) to last, and loads the table again; on success the notice is
// "Bookmark was saved to the table file...".
[[nodiscard]] TableAppendResult SaveDumpLabel(DocRecord& doc, TableSession& tables, std::string_view startText,
                                              uint32_t last, std::string_view name);

}  // namespace zarvo
