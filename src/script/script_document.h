#pragma once
// The script and pointer commands on an open document. Insertion and the script dump
// work on the whole file as the document holds it, a removed savestate header in
// front of its bytes: the bytes zarvo-tool reads, so that both give the same files.
// The pointer commands work on the document's own bytes and the offsets the view shows.

#include "core/document.h"
#include "core/notice.h"
#include "core/search_state.h"
#include "dump/dump_file.h"
#include "script/pointer_form.h"
#include "script/script_dump.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zarvo {

// The header (when one was removed) and the first fileSize bytes after it.
[[nodiscard]] std::span<const uint8_t> WholeFileBytes(const DocRecord& doc);

// Insert Text: the script file at scriptPath inserted into the document in memory, as
// one undo step, its tables read as script_table_file reads them. The notice is the
// insertion's report, or the refusal, with the document left as it was.
[[nodiscard]] Notice InsertScriptIntoDocument(DocRecord& doc, const std::string& scriptPath, bool atlasTables);

// Why Dump Script cannot run on the document (its active table is no table file), told
// before anything is asked; empty when it can.
[[nodiscard]] Notice DumpScriptRefusal(const DocRecord& doc);
// Dump Script: the script of the pointer table in the request, read through the
// document's active table, written to scriptPath through output's writer (the safe
// writer when it has none). The request's table path and ROM name are filled in here.
[[nodiscard]] Notice DumpDocumentScript(const DocRecord& doc, ScriptDumpRequest request, const std::string& scriptPath,
                                        const DumpOutput& output = {});

// Find Pointers: the list replaced by one "[$%08X] FORM" line per place of the document
// holding a pointer to target, in the form given or in every usual form; its caption
// counts them. Nothing changes, and the notice tells so, when there is none.
[[nodiscard]] Notice ListPointersTo(ResultListState& list, const DocRecord& doc, int32_t target,
                                    const PointerForm& form, bool everyForm);

// Follow Pointer: the offset the pointer stored at `at` names, or nothing with the
// reason when it reaches past the file's end or names no offset of the file.
struct PointerFollow {
    std::optional<int32_t> target;
    Notice refusal;
};
[[nodiscard]] PointerFollow FollowPointer(const DocRecord& doc, int32_t at, const PointerForm& form);

}  // namespace zarvo
