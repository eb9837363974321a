#include "core/place_cursor.h"

#include <algorithm>

namespace zarvo {

int32_t PlaceCursor(DocRecord& doc, int32_t offset, int32_t bytesPerRow, int32_t pageBytes)
{
    if (bytesPerRow < 1) bytesPerRow = 1;
    const int32_t rowsPerPage = pageBytes / bytesPerRow < 1 ? 1 : pageBytes / bytesPerRow;
    doc.cursorOffset = offset;
    const int32_t absoluteRow = offset / bytesPerRow;
    doc.cursorColumn = static_cast<int8_t>(offset % bytesPerRow);
    // The row lives in an 8-bit field: a far-away row keeps only its low bits, and
    // such targets are shown on row (absoluteRow mod 16) instead.
    const auto truncatedRow = static_cast<int8_t>(absoluteRow);
    int32_t row = 0;
    if (truncatedRow >= 0 && truncatedRow <= rowsPerPage - 1) {
        row = truncatedRow;
    } else {
        row = absoluteRow % 16;
        if (row > rowsPerPage - 1) row = rowsPerPage - 1;
    }
    doc.cursorRow = static_cast<int8_t>(row);
    return offset - (row * bytesPerRow + doc.cursorColumn);
}

int32_t PlaceCursorOnPage(DocRecord& doc, int32_t offset, int32_t bytesPerRow, int32_t pageBytes)
{
    if (bytesPerRow < 1) bytesPerRow = 1;
    int32_t top = PlaceCursor(doc, offset, bytesPerRow, pageBytes);
    const int32_t lastTop = std::max(doc.viewSize - std::max(pageBytes, 0), 0);
    if (top < 0 || top > lastTop) {
        top = std::clamp(top, 0, lastTop);
        const int32_t intoPage = offset - top;
        if (intoPage >= 0 && intoPage < std::max(pageBytes, bytesPerRow)) {
            doc.cursorRow = static_cast<int8_t>(intoPage / bytesPerRow);
            doc.cursorColumn = static_cast<int8_t>(intoPage % bytesPerRow);
        }
    }
    return top;
}

}  // namespace zarvo
