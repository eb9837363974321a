#include "core/document_edit.h"

#include <algorithm>
#include <cstring>
#include <new>

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

// Differing bytes closer than this are journaled as one run: a run's own record costs
// more than the equal bytes between them.
constexpr int64_t kJoinedGap = 16;
constexpr int64_t kCompareBlock = 4096;

// The first offset from at on where the buffers differ, or end.
[[nodiscard]] int64_t FirstDifference(const uint8_t* held, const uint8_t* wanted, int64_t at, int64_t end)
{
    while (at + kCompareBlock <= end && std::memcmp(held + at, wanted + at, kCompareBlock) == 0) at += kCompareBlock;
    while (at < end && held[at] == wanted[at]) ++at;
    return at;
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

bool MakeRoomFor(DocRecord& doc, int32_t length)
{
    const std::size_t header = static_cast<std::size_t>(doc.headerSize);
    const std::size_t wanted = header + static_cast<std::size_t>(std::max(length, 0));
    if (doc.hasData() && doc.storage.size() >= wanted) return true;
    DocumentBytes larger;
    try {
        // At least one byte, so that a document cut to nothing still has its storage.
        larger = DocumentBytes::Owned(std::max<std::size_t>(wanted, 1));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (doc.hasData()) std::memcpy(larger.data(), doc.storage.data(), std::min(wanted, doc.storage.size()));
    doc.storage = std::move(larger);
    return true;
}

bool ChangeDocumentLength(DocRecord& doc, int32_t length, uint8_t fill)
{
    if (length < 0 || !MakeRoomFor(doc, length)) return false;
    // The old sizes and the old bytes under a grown part are one step.
    const EditStep step(doc);
    const int32_t oldEnd = std::max(doc.fileSize, 0);
    doc.fileSize = length;
    doc.viewSize = length;
    if (length > oldEnd) (void)FillBytes(doc, oldEnd, length - oldEnd, fill);
    doc.modified = true;
    return true;
}

void OverwriteDifferingBytes(DocRecord& doc, std::span<const uint8_t> bytes)
{
    if (!doc.hasData()) return;
    const int64_t capacity = static_cast<int64_t>(doc.storage.size()) - doc.headerSize;
    const int64_t length = std::min(static_cast<int64_t>(bytes.size()), capacity);
    uint8_t* held = doc.data();
    const uint8_t* wanted = bytes.data();
    const EditStep step(doc);
    int64_t at = FirstDifference(held, wanted, 0, length);
    while (at < length) {
        int64_t lastDifferent = at;
        for (int64_t next = at + 1; next < length && next - lastDifferent <= kJoinedGap; ++next) {
            if (held[next] != wanted[next]) lastDifferent = next;
        }
        const int64_t count = lastDifferent + 1 - at;
        doc.journal.recordWrite(doc, static_cast<int32_t>(at), static_cast<int32_t>(count));
        std::memcpy(held + at, wanted + at, static_cast<std::size_t>(count));
        at = FirstDifference(held, wanted, lastDifferent + 1, length);
    }
}

bool ReplaceDocumentContent(DocRecord& doc, std::span<const uint8_t> file, int32_t fileLength)
{
    const int32_t header = doc.headerSize;
    if (fileLength < header || file.size() < static_cast<std::size_t>(fileLength)) return false;
    if (!MakeRoomFor(doc, static_cast<int32_t>(file.size()) - header)) return false;
    const EditStep step(doc);
    std::memcpy(doc.storage.data(), file.data(), static_cast<std::size_t>(header));
    OverwriteDifferingBytes(doc, file.subspan(static_cast<std::size_t>(header)));
    doc.fileSize = fileLength - header;
    doc.viewSize = std::max(fileLength, kMinimumViewSize) - header;
    return true;
}

bool UndoEdit(DocRecord& doc) { return doc.journal.undo(doc); }

bool RedoEdit(DocRecord& doc) { return doc.journal.redo(doc); }

void MarkDocumentSaved(DocRecord& doc)
{
    doc.journal.markSaved();
    // Bytes past the file's end are never written: they stay changed.
    doc.changes.clearBefore(std::max(doc.fileSize, 0));
    doc.modified = false;
}

int32_t ChangedBytesPastFileEnd(const DocRecord& doc)
{
    // Only a small file has bytes past its end, at most 65,535 of them.
    int32_t count = 0;
    for (int32_t offset = std::max(doc.fileSize, 0); offset < doc.viewSize; ++offset) {
        if (doc.changes.contains(offset)) ++count;
    }
    return count;
}

}  // namespace zarvo
