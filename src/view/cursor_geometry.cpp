#include "view/cursor_geometry.h"

#include <algorithm>
#include <limits>

namespace zarvo {

namespace {

constexpr int32_t kFarRowModulus = 16;  // where a target whose row does not fit the page lands

}  // namespace

CursorGeometry::CursorGeometry(int32_t bytesPerRow, int32_t pageBytes)
    : bytesPerRow_(std::max(bytesPerRow, 1)),
      pageBytes_(pageBytes)
{}

int32_t CursorGeometry::rowsPerPage() const { return std::max(pageBytes_ / bytesPerRow_, 1); }

int64_t CursorGeometry::cursorByte(const DocRecord& doc) const
{
    return static_cast<int64_t>(doc.topOffset) + static_cast<int64_t>(doc.cursorRow) * bytesPerRow_ + doc.cursorColumn;
}

int32_t CursorGeometry::PlaceCursor(DocRecord& doc, int32_t offset) const
{
    const int32_t rows = rowsPerPage();
    doc.cursorOffset = offset;
    const int32_t absoluteRow = offset / bytesPerRow_;
    doc.cursorColumn = static_cast<int8_t>(offset % bytesPerRow_);
    // The row lives in an 8-bit field: a far-away row keeps only its low bits, and
    // such targets are shown on row (absoluteRow mod 16) instead.
    const auto truncatedRow = static_cast<int8_t>(absoluteRow);
    int32_t row = 0;
    if (truncatedRow >= 0 && truncatedRow <= rows - 1) {
        row = truncatedRow;
    } else {
        row = std::min(absoluteRow % kFarRowModulus, rows - 1);
    }
    doc.cursorRow = static_cast<int8_t>(row);
    return offset - (row * bytesPerRow_ + doc.cursorColumn);
}

int32_t CursorGeometry::PlaceCursorOnPage(DocRecord& doc, int32_t offset) const
{
    int32_t top = PlaceCursor(doc, offset);
    const int32_t lastTop = std::max(doc.viewSize - std::max(pageBytes_, 0), 0);
    if (top < 0 || top > lastTop) {
        top = std::clamp(top, 0, lastTop);
        const int32_t intoPage = offset - top;
        if (intoPage >= 0 && intoPage < std::max(pageBytes_, bytesPerRow_)) {
            doc.cursorRow = static_cast<int8_t>(intoPage / bytesPerRow_);
            doc.cursorColumn = static_cast<int8_t>(intoPage % bytesPerRow_);
        }
    }
    return top;
}

void CursorGeometry::SettleCursorOffset(DocRecord& doc) const
{
    doc.cursorOffset = static_cast<int32_t>(
        std::clamp<int64_t>(cursorByte(doc), std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void CursorGeometry::SettleFullPaint(DocRecord& doc) const
{
    if (doc.topOffset < 0) doc.topOffset = 0;
    if (static_cast<int64_t>(doc.topOffset) + pageBytes_ > doc.viewSize) doc.topOffset = doc.viewSize - pageBytes_;
    if (doc.topOffset < 0) doc.topOffset = 0;
    SettleCursorOffset(doc);
}

}  // namespace zarvo
