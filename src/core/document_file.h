#pragma once
// Opening a file into a document and writing it back.

#include "core/document.h"
#include "core/input_file.h"
#include "core/output_file.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace zarvo {

// Why a file could not be opened as a document: the reasons of any input file.
using OpenError = InputError;

// Reads the file at path into doc: fileName, storage, fileSize, viewSize; the
// header stays in place (headerSize 0). The bytes are the program's own copy,
// zero-filled up to viewSize. On failure doc is left as it was and failure (when
// given) says why.
[[nodiscard]] OpenError OpenDocumentFile(DocRecord& doc, const std::string& path, InputFailure* failure = nullptr);

// True when the last extension of the file's name (the part after the last '/')
// begins with "zs", letters compared without regard to case: my.game.zst and
// SAVE.ZS1 are savestates, game.zst.bak is not. Folders do not count: game.zst inside
// roms.old/ is a savestate.
[[nodiscard]] bool IsSavestatePath(std::string_view path);
// A savestate header can be removed only when the file holds all of it.
[[nodiscard]] bool CanRemoveSavestateHeader(const DocRecord& doc);
// Hides the first kSavestateHeaderSize bytes; Save still writes them.
void RemoveSavestateHeader(DocRecord& doc);
// Converts the savestate palette when the file holds all 512 bytes of it.
void ReadSavestatePalette(DocRecord& doc);

// The path with the text after its last '.' replaced by "tbl", or "tbl" appended.
[[nodiscard]] std::string CompanionTablePath(std::string_view path);
// The part of a path after its last '\\' or '/'.
[[nodiscard]] std::string FileNamePart(std::string_view path);
// The folder of a path: the part before its last '/' ("/" for a file at the root, "."
// for a bare name).
[[nodiscard]] std::string FolderPart(std::string_view path);
// The path with the extension of its file name (not of a folder) replaced by
// extension, or extension added to a name without one: game.smc -> game.tbl.
[[nodiscard]] std::string PathWithExtension(std::string_view path, std::string_view extension);
// A relative name taken as lying in folder; an absolute name, or any name when folder
// is empty, stays as it is.
[[nodiscard]] std::string PathInFolder(std::string_view folder, std::string_view name);

// Writes headerSize + fileSize bytes to path through a temporary file in the same
// folder, keeping the old file's permissions; a target that is not a regular file, or
// that this user may not write, is refused. doc is not changed, so that another thread
// may paint it meanwhile; progress (when given) is told from the writing thread.
[[nodiscard]] SaveError WriteDocumentTo(const DocRecord& doc, const std::string& path,
                                        const WriteProgress& progress = {});
// Remembers the stamp the document's file has now (an empty one when it is gone): a
// later stamp tells that another program changed the file.
void TakeDiskStamp(DocRecord& doc);
// What follows every successful save, and reading the file again: the document now
// holds what the file at path holds. path becomes its fileName, the file's stamp is
// taken at once (before any window looks whether the file changed), and
// MarkDocumentSaved: nothing is modified, undo and redo know the saved point, and
// only the changed bytes past the file's end keep their mark.
void MarkAsFileContent(DocRecord& doc, const std::string& path);
// WriteDocumentTo the document's own file, then MarkAsFileContent.
[[nodiscard]] SaveError SaveDocumentFile(DocRecord& doc);
// WriteDocumentTo newPath and, on success only, MarkAsFileContent: it becomes the
// document's file.
[[nodiscard]] SaveError SaveDocumentAs(DocRecord& doc, const std::string& newPath);

// Size of an open file, -1 for a null stream; the position is left unchanged.
[[nodiscard]] int32_t FileSizeOf(std::FILE* stream);

}  // namespace zarvo
