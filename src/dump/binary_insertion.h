#pragma once
// Binary insertion: the bytes of a chosen file written over the document from a
// position on. The document keeps its size: only the bytes that fit before
// viewSize are written, after the user agreed to the shorter count.

#include "core/document.h"
#include "core/dump_state.h"
#include "core/file_descriptor.h"
#include "dump/dump_notice.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

// messages::kInsertWhilePending while a dump, dump label or byte fill owns the dump
// dialog (it cannot be shown for the insertion then), else null.
[[nodiscard]] const char* InsertionRefusal(const DumpState& state);

// The chosen file, open for reading from the moment it is chosen until the insertion.
class InsertionFile {
public:
    // Opens a regular file below 2 GiB; false when that fails.
    [[nodiscard]] bool open(const std::string& path);
    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] int32_t size() const { return size_; }
    // "Fatal Error: Could not open requested file.\n" and the path.
    [[nodiscard]] Notice openFailure() const;
    // True when the file still holds at least count bytes.
    [[nodiscard]] bool holds(int32_t count) const;
    // Reads count bytes from offset on; false when the file no longer holds them.
    [[nodiscard]] bool read(int64_t offset, uint8_t* into, std::size_t count) const;

private:
    std::optional<FileDescriptor> file_;
    std::string path_;
    int32_t size_ = 0;
};

// The start box's text for position p: "%X".
[[nodiscard]] std::string InsertionStartText(int32_t position);

// What the insertion does with the start box's text (read as hexadecimal; the
// caller stops without a word when the box is empty).
struct InsertionPlan {
    const char* refusal = nullptr;  // the position lies at or past viewSize: show it, write nothing
    int32_t position = 0;
    int32_t count = 0;          // bytes written when every question is answered Yes
    std::string countQuestion;  // "Only %d byte(s) out of %d byte(s) can be inserted. Is this ok?", or empty
};
[[nodiscard]] InsertionPlan PlanInsertion(std::string_view startText, int32_t fileSize, const DocRecord& doc);

// Writes the first plan.count bytes of file over the document at plan.position and
// tells the result ("Binary Data successfully inserted...", also for an empty file).
// A file that has shrunk since it was chosen leaves the document as it was; one that
// fails while being read leaves the bytes read so far (the message says so).
[[nodiscard]] Notice InsertFileBytes(DocRecord& doc, const InsertionFile& file, const InsertionPlan& plan);

}  // namespace zarvo
