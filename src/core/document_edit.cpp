#include "core/document_edit.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

namespace {

// The part of [offset, offset + count) that lies inside the view, as a start and a length.
[[nodiscard]] std::pair<int64_t, int64_t> InsideView(const DocRecord& doc, int64_t offset, int64_t count)
{
    if (!doc.hasData() || count <= 0) return {0, 0};
    const int64_t first = std::max<int64_t>(offset, 0);
    const int64_t end = std::min<int64_t>(offset + count, doc.viewSize);
    return {first, std::max<int64_t>(end - first, 0)};
}

}  // namespace

int32_t OverwriteBytes(DocRecord& doc, int32_t offset, std::span<const uint8_t> bytes)
{
    const auto [first, length] = InsideView(doc, offset, static_cast<int64_t>(bytes.size()));
    if (length == 0) return 0;
    const EditStep step(doc);
    doc.journal.recordWrite(doc, static_cast<int32_t>(first), static_cast<int32_t>(length));
    std::memmove(doc.data() + first, bytes.data() + (first - offset), static_cast<std::size_t>(length));
    doc.modified = true;
    return static_cast<int32_t>(length);
}

int32_t FillBytes(DocRecord& doc, int32_t offset, int32_t count, uint8_t value)
{
    const auto [first, length] = InsideView(doc, offset, count);
    if (length == 0) return 0;
    const EditStep step(doc);
    doc.journal.recordWrite(doc, static_cast<int32_t>(first), static_cast<int32_t>(length), value);
    std::memset(doc.data() + first, value, static_cast<std::size_t>(length));
    doc.modified = true;
    return static_cast<int32_t>(length);
}

bool UndoEdit(DocRecord& doc) { return doc.journal.undo(doc); }

bool RedoEdit(DocRecord& doc) { return doc.journal.redo(doc); }

void MarkDocumentSaved(DocRecord& doc)
{
    doc.journal.markSaved();
    doc.changes.clear();
    doc.modified = false;
}

}  // namespace zarvo
