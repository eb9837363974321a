#pragma once
// Changes to the bytes and the length of a document. Every command that changes a
// document goes through these, so that each change is journaled for undo, marked as
// changed since the last save, and marks the document modified, in one place.

#include "core/document.h"

#include <cstdint>
#include <span>

namespace zarvo {

// Writes bytes from offset on; bytes that would land outside 0 .. viewSize - 1 are
// not written. Returns how many were written; modified is set when any was.
int32_t OverwriteBytes(DocRecord& doc, int32_t offset, std::span<const uint8_t> bytes);

// Sets count bytes from offset on to value, within 0 .. viewSize - 1 as above.
int32_t FillBytes(DocRecord& doc, int32_t offset, int32_t count, uint8_t value);

// Makes sure the storage holds headerSize + length bytes, moving what it holds into a
// larger zero-filled buffer when it does not (bytes past the file's end too, so that
// undo still finds them). False, with the document untouched, when that memory cannot
// be had.
[[nodiscard]] bool MakeRoomFor(DocRecord& doc, int32_t length);

// Cuts or extends the document to length bytes, as one undo step: fileSize and
// viewSize both become length, and the bytes a longer document gains are set to
// fill. False, with the document unchanged, when the memory cannot be had. The
// cursor is left where it was.
[[nodiscard]] bool ChangeDocumentLength(DocRecord& doc, int32_t length, uint8_t fill);

// Writes bytes over the buffer from offset 0 on, as far as the buffer reaches (past
// viewSize too), journaling only the runs that differ from what it holds: the history
// of rewriting a whole document costs what changed, not its size.
void OverwriteDifferingBytes(DocRecord& doc, std::span<const uint8_t> bytes);

// The document's file read again: file holds the header and fileLength - headerSize
// bytes of data, zero-filled beyond (at least as far as the storage reaches). One undo
// step gives back the document as it was: the header, no part of the history, is taken
// as it is, the data's differing runs are journaled, fileSize becomes the data's
// length and viewSize at least kMinimumViewSize - headerSize. False, with the document
// unchanged, when file is shorter than the header or a larger buffer cannot be had.
[[nodiscard]] bool ReplaceDocumentContent(DocRecord& doc, std::span<const uint8_t> file, int32_t fileLength);

// Gathers every change made while it lives into one undo step: a command that writes
// several ranges, resizes or moves the cursor after writing is taken back whole.
class EditStep {
public:
    explicit EditStep(DocRecord& doc) : doc_(doc) { doc_.journal.begin(doc_); }
    ~EditStep() { doc_.journal.end(doc_); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    DocRecord& doc_;
};

// Undo and Redo of the last (next) step; false when there is none.
bool UndoEdit(DocRecord& doc);
bool RedoEdit(DocRecord& doc);

// The document was just written to its file: nothing is modified, undoing or redoing
// back to here clears modified again, and only the changed bytes past the file's end
// (the view buffer of a small file, never written) keep their change mark.
void MarkDocumentSaved(DocRecord& doc);
// The changed bytes past the file's end, which a save leaves unwritten.
[[nodiscard]] int32_t ChangedBytesPastFileEnd(const DocRecord& doc);

}  // namespace zarvo
