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

// Writes headerSize + fileSize bytes to doc.fileName through a temporary file in the
// same folder, keeping the old file's permissions; a target that is not a regular
// file, or that this user may not write, is refused. doc is not changed.
[[nodiscard]] SaveError SaveDocumentFile(const DocRecord& doc);
// Saves to newPath and, on success only, makes it the document's fileName.
[[nodiscard]] SaveError SaveDocumentAs(DocRecord& doc, const std::string& newPath);

// Size of an open file, -1 for a null stream; the position is left unchanged.
[[nodiscard]] int32_t FileSizeOf(std::FILE* stream);

}  // namespace zarvo
