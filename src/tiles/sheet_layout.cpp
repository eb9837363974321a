#include "tiles/sheet_layout.h"

#include "core/tile_session.h"
#include "tiles/strip_codec.h"
#include "tiles/tile_format.h"

#include <algorithm>

namespace zarvo {

SheetLayout LayoutWithinLimits(SheetLayout layout)
{
    if (layout.format < 0 || layout.format >= kTileFormatCount) layout.format = 0;
    layout.stripHeight = StripHeightWithinLimits(layout.stripHeight);
    layout.stripsAcross = std::clamp(layout.stripsAcross, 1, kMaxStripsAcross);
    return layout;
}

SheetLayout SheetLayoutOf(const DocRecord& doc)
{
    const TileViewState& state = doc.tileView;
    return LayoutWithinLimits({doc.topOffset, state.format, state.stripHeight, state.stripsAcross});
}

int32_t StripRowCount(int32_t stripHeight, int32_t pictureRows)
{
    const int32_t height = StripHeightWithinLimits(stripHeight);
    return (pictureRows + height - 1) / height;
}

int32_t VisibleRowsOfStripRow(int32_t stripHeight, int32_t stripRow, int32_t pictureRows)
{
    const int32_t height = StripHeightWithinLimits(stripHeight);
    return static_cast<int32_t>(std::clamp<int64_t>(pictureRows - int64_t{stripRow} * height, 0, height));
}

int32_t StripBytes(const SheetLayout& layout)
{
    return StripHeightWithinLimits(layout.stripHeight) * TileFormatOf(layout.format).bytesPerRow;
}

int32_t StripRowBytes(const SheetLayout& layout) { return layout.stripsAcross * StripBytes(layout); }

int64_t StripStart(const SheetLayout& layout, int32_t stripRow, int32_t stripColumn)
{
    return layout.offset + (int64_t{stripRow} * layout.stripsAcross + stripColumn) * StripBytes(layout);
}

int32_t ClampSheetOffset(int64_t offset, int32_t format, int32_t stripHeight, int32_t viewSize, int32_t pictureRows)
{
    const int64_t kept = int64_t{pictureRows / StripHeightWithinLimits(stripHeight)} * TileFormatOf(format).endUnit;
    if (offset + kept > viewSize) offset = int64_t{viewSize} - kept;
    return static_cast<int32_t>(std::max<int64_t>(offset, 0));
}

bool ApplyEndOfDataClamp(DocRecord& doc)
{
    const SheetLayout layout = SheetLayoutOf(doc);
    const int32_t clamped = ClampSheetOffset(doc.topOffset, layout.format, layout.stripHeight, doc.viewSize);
    if (clamped == doc.topOffset) return false;
    doc.topOffset = clamped;
    return true;
}

}  // namespace zarvo
