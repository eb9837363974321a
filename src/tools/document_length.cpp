#include "tools/document_length.h"

#include "view/cursor_geometry.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zarvo {

std::span<const uint8_t> DocumentContent(const DocRecord& doc)
{
    if (!doc.hasData()) return {};
    return {doc.data(), static_cast<std::size_t>(std::max(doc.fileSize, 0))};
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
    if (doc.hasData()) {
        const std::size_t kept = header + static_cast<std::size_t>(std::clamp(doc.fileSize, 0, std::max(length, 0)));
        std::memcpy(larger.data(), doc.storage.data(), std::min(kept, doc.storage.size()));
    }
    doc.storage = std::move(larger);
    return true;
}

void SetDocumentLength(DocRecord& doc, int32_t length, const ViewState& view)
{
    doc.fileSize = length;
    doc.viewSize = length;
    doc.modified = true;
    const int32_t last = std::max(length - 1, 0);
    if (doc.cursorOffset > last || doc.topOffset > last) {
        doc.topOffset = CursorGeometry(view).PlaceCursorOnPage(doc, std::min(doc.cursorOffset, last));
        doc.nibblePending = false;
    }
}

}  // namespace zarvo
