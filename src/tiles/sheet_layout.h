#pragma once
// Where the sheet's strips lie in a document: strip (R, C) starts at
// o + (R x w + C) x h x bytesPerRow, with o the sheet offset (the document's
// topOffset), w the strips across and h the strip height. Sheet columns from 8w on
// show no strip.

#include "core/document.h"
#include "core/tile_session.h"

#include <cstdint>

namespace zarvo {

inline constexpr int32_t kMaxStripsAcross = 16;  // 16 strips of 8 pixels fill the sheet

struct SheetLayout {
    int64_t offset = 0;
    int32_t format = 0;
    int32_t stripHeight = 8;
    int32_t stripsAcross = 16;
};

// The layout with format, height and width kept within their ranges (0..9, 1..32, 1..16).
[[nodiscard]] SheetLayout LayoutWithinLimits(SheetLayout layout);
// The document's layout, kept within the ranges.
[[nodiscard]] SheetLayout SheetLayoutOf(const DocRecord& doc);

// Strip rows drawn for a height on a picture of pictureRows rows (the sheet's 128, or
// several sheets' worth at once in the tool): pictureRows / h rounded up, so the last
// one may be cut off.
[[nodiscard]] int32_t StripRowCount(int32_t stripHeight, int32_t pictureRows = kSheetSide);
// Rows of strip row R that lie on the picture's rows.
[[nodiscard]] int32_t VisibleRowsOfStripRow(int32_t stripHeight, int32_t stripRow, int32_t pictureRows = kSheetSide);
[[nodiscard]] int32_t StripBytes(const SheetLayout& layout);
// Bytes one strip row of the sheet takes: w x h x bytesPerRow.
[[nodiscard]] int32_t StripRowBytes(const SheetLayout& layout);
[[nodiscard]] int64_t StripStart(const SheetLayout& layout, int32_t stripRow, int32_t stripColumn);

// The end-of-data clamp: with S = (128 / h) x the format's end unit, an offset with
// offset + S past viewSize becomes viewSize - S, and then at least 0. Offsets of any
// size come back within 0 .. viewSize. A taller picture keeps (pictureRows / h) end
// units in view the same way.
[[nodiscard]] int32_t ClampSheetOffset(int64_t offset, int32_t format, int32_t stripHeight, int32_t viewSize,
                                       int32_t pictureRows = kSheetSide);
// Applies the clamp to the document's topOffset; true when it changed.
bool ApplyEndOfDataClamp(DocRecord& doc);

}  // namespace zarvo
