#pragma once
// The selected bytes of a document: the range they cover inside its data, how a
// selection is begun, moved and ended, and how the status bar names it.

#include "core/document.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zarvo {

// Bytes first .. last, both included.
struct ByteRange {
    int32_t first = 0;
    int32_t last = 0;

    [[nodiscard]] int32_t size() const { return last - first + 1; }
    [[nodiscard]] bool contains(int64_t offset) const { return offset >= first && offset <= last; }
    bool operator==(const ByteRange&) const = default;
};

// The selected bytes that lie inside 0 .. viewSize - 1 (a document may have shrunk
// under its selection); nothing without a selection or when none of it is left.
[[nodiscard]] std::optional<ByteRange> SelectedRange(const DocRecord& doc);

// Selects anchor .. end (in either order).
void Select(DocRecord& doc, int32_t anchor, int32_t end);
// Moves the selection's end to `end`. A selection whose end is not `from` (there is
// none, or a drag left it elsewhere) is begun afresh at `from`.
void ExtendSelection(DocRecord& doc, int32_t from, int32_t end);
// True when there was a selection to end.
bool EndSelection(DocRecord& doc);

// "Selected: 16 bytes [00001230-0000123F]" ("1 byte" for one).
[[nodiscard]] std::string SelectionStatusText(ByteRange range);

}  // namespace zarvo
