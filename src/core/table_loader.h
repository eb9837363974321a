#pragma once
// Reading table files into a document's table. Lines end in LF or CR LF and are
// read in pieces of at most kTableLinePiece characters; each piece is classified on
// its own (see table_line_reader.h).

#include "core/document.h"
#include "core/input_file.h"
#include "core/table.h"
#include "core/table_line_reader.h"
#include "core/table_session.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

inline constexpr std::size_t kMaxJoinedDumpText = 8191;
// A table file larger than this is not read (a device or a huge binary would fill the
// memory with lines); the jump list keeps at most kMaxBookmarks entries.
inline constexpr int64_t kMaxTableFileSize = int64_t{64} << 20;
inline constexpr std::size_t kMaxBookmarks = 65536;

enum class TableLoadResult {
    Loaded,           // the file was read
    FellBackToAscii,  // the file could not be read: the built-in ASCII table is in place
    OutOfMemory,      // a text could not be stored: the table is left empty and
                      // messages::kTableAllocation is to be shown
};

// Frees every entry and directive text, empties the program-wide dump labels.
// The dump header, footer and raw format are left as they were, and so are the
// table names and activeTable.
void ClearTable(TableData& table, TableSession& session);

// Installs the 95 entries 0x20..0x7E, each mapping to (byte + asciiShift) mod 256,
// and makes the ASCII table the active one.
void LoadAsciiTable(DocRecord& doc, TableSession& session);

// The ASCII entries of a document just opened, which still counts as on the table
// slot it had (Table #1 for a new one): its window's activation reads that slot's file
// as usual, or falls back to ASCII.
void LoadAsciiEntriesKeepingSlot(DocRecord& doc, TableSession& session);

// Clears the document's table and loads the file at path into it. The caller has set
// activeTable and tableName[activeTable]. A file that cannot be read (missing, not a
// regular file, larger than kMaxTableFileSize, or an empty path) falls back to the
// ASCII table and leaves the jump list alone, failure (when given) saying why; a
// readable one replaces the jump list.
[[nodiscard]] TableLoadResult TableLoader(DocRecord& doc, TableSession& session, const std::string& path,
                                          InputFailure* failure = nullptr);

// The file of the active table: the name of Table #1 or #2, empty for the built-in
// ASCII table.
[[nodiscard]] std::string ActiveTablePath(const TableData& table);

// Every way a table file becomes Table #1 (slot 0) or Table #2 (slot 1) of a document
// (Open Table File, the swap items, the companion table of an opened file, the table
// editor's offer, zarvo-tool's --table): path becomes the slot's name and the slot the
// active table, then TableLoader reads it.
[[nodiscard]] TableLoadResult LoadTableIntoSlot(DocRecord& doc, TableSession& session, int slot,
                                                const std::string& path, InputFailure* failure = nullptr);
// The active table's file read again (after it was edited or appended to, or when
// its window becomes active): TableLoader on ActiveTablePath.
[[nodiscard]] TableLoadResult ReloadActiveTable(DocRecord& doc, TableSession& session);

// Classifies the lines of a table file's content into the table (no clearing).
void ParseTableText(TableData& table, TableSession& session, std::string_view content);

}  // namespace zarvo
