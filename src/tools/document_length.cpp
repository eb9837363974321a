#include "tools/document_length.h"

#include "core/document_edit.h"
#include "view/jump.h"

#include <algorithm>

namespace zarvo {

std::span<const uint8_t> DocumentContent(const DocRecord& doc)
{
    if (!doc.hasData()) return {};
    return {doc.data(), static_cast<std::size_t>(std::max(doc.fileSize, 0))};
}

bool SetDocumentLength(DocRecord& doc, int32_t length, uint8_t fill, const ViewState& view)
{
    const EditStep step(doc);
    if (!ChangeDocumentLength(doc, length, fill)) return false;
    const int32_t last = std::max(length - 1, 0);
    if (doc.cursorOffset > last || doc.topOffset > last) {
        ShowCursorAt(doc, view, std::min(doc.cursorOffset, last));
        doc.nibblePending = false;
    }
    return true;
}

bool ReplaceDocumentContent(DocRecord& doc, std::span<const uint8_t> content, const ViewState& view)
{
    const EditStep step(doc);
    if (!SetDocumentLength(doc, static_cast<int32_t>(content.size()), 0x00, view)) return false;
    OverwriteDifferingBytes(doc, content);
    return true;
}

}  // namespace zarvo
