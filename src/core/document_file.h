#pragma once
// Opening a file into a document and writing it back.

#include "core/document.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace zarvo {

enum class OpenError {
    None,
    CannotOpen,  // missing, unreadable, or not a regular file
    TooLarge,    // 2 GiB or more cannot be addressed with 32-bit offsets
};

enum class SaveError {
    None,
    CannotCreate,   // the temporary file beside the target could not be made
    CannotWrite,    // writing or flushing failed (disk full, I/O error)
    CannotReplace,  // the finished file could not take the target's place
};

// Reads the file at path into doc: fileName, storage, fileSize, viewSize; the
// header stays in place (headerSize 0). On failure doc is left as it was.
[[nodiscard]] OpenError OpenDocumentFile(DocRecord& doc, const std::string& path);

// True when the text from the path's first '.' (folders included) begins with ".zs",
// letters compared without regard to case.
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
// same folder, keeping the old file's permissions. doc is not changed.
[[nodiscard]] SaveError SaveDocumentFile(const DocRecord& doc);
// Saves to newPath and, on success only, makes it the document's fileName.
[[nodiscard]] SaveError SaveDocumentAs(DocRecord& doc, const std::string& newPath);
// Writes count bytes to path the same safe way.
[[nodiscard]] SaveError WriteFileReplacing(const std::string& path, const uint8_t* bytes, std::size_t count);
// Takes the bytes of a file being written, piece by piece; false when writing failed.
using ByteSink = std::function<bool(const uint8_t* bytes, std::size_t count)>;
// Writes what produce hands to its sink, in order, to path the same safe way; when
// produce returns false nothing replaces path.
[[nodiscard]] SaveError WriteFileReplacing(const std::string& path,
                                           const std::function<bool(const ByteSink&)>& produce);

// Size of an open file, -1 for a null stream; the position is left unchanged.
[[nodiscard]] int32_t FileSizeOf(std::FILE* stream);

}  // namespace zarvo
