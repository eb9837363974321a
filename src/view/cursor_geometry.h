#pragma once
// The one place where buffer offsets and the cursor fields of a document meet: the
// page starts at topOffset, the cursor sits cursorRow rows and cursorColumn bytes
// into it. Every jump, move, resize and paint goes through this geometry.

#include "core/document.h"
#include "core/session.h"

#include <cstdint>

namespace zarvo {

class CursorGeometry {
public:
    // bytesPerRow is taken as at least 1; pageBytes as the view holds it.
    CursorGeometry(int32_t bytesPerRow, int32_t pageBytes);
    explicit CursorGeometry(const ViewState& view) : CursorGeometry(view.bytesPerRow, view.pageBytes) {}

    [[nodiscard]] int32_t bytesPerRow() const { return bytesPerRow_; }
    // Rows of a page: pageBytes / bytesPerRow, at least 1.
    [[nodiscard]] int32_t rowsPerPage() const;

    // topOffset + cursorRow * bytesPerRow + cursorColumn, without overflow.
    [[nodiscard]] int64_t cursorByte(const DocRecord& doc) const;

    // Puts the cursor on an absolute buffer offset and returns the topOffset that shows
    // it: the target lands on row (offset / bytesPerRow) when that row, truncated to
    // the 8-bit field, lies within the page, else on row (offset / bytesPerRow) mod 16,
    // at most the last row.
    [[nodiscard]] int32_t PlaceCursor(DocRecord& doc, int32_t offset) const;
    // PlaceCursor for a jump (goto, a search hit, a compare line, a shrinking
    // document): the page is also kept inside 0 .. viewSize - pageBytes, as the next
    // paint keeps it, and the cursor row and column follow so the cursor stays on offset.
    [[nodiscard]] int32_t PlaceCursorOnPage(DocRecord& doc, int32_t offset) const;

    // cursorOffset recomputed from topOffset, cursorRow and cursorColumn.
    void SettleCursorOffset(DocRecord& doc) const;
    // What every full repaint does first: topOffset kept in 0 .. viewSize - pageBytes
    // (a page larger than the document starts at 0), then cursorOffset recomputed.
    void SettleFullPaint(DocRecord& doc) const;

private:
    int32_t bytesPerRow_;
    int32_t pageBytes_;
};

}  // namespace zarvo
