#include "tiles/sheet_write.h"

#include "core/document_edit.h"
#include "core/tile_session.h"
#include "tiles/sheet_image.h"
#include "tiles/strip_codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

namespace zarvo {

bool WriteStripAt(DocRecord& doc, int64_t start, int32_t format, int32_t height, int32_t rows, const uint8_t* pixels,
                  std::ptrdiff_t stride)
{
    if (!doc.hasData() || start >= doc.viewSize || rows <= 0) return false;
    const int32_t extent = StripExtent(format, height);
    if (start + extent <= 0) return false;
    // The strip's bytes as they are (zeros past the end), with its rows encoded over them.
    std::array<uint8_t, kMaxStripExtent> bytes{};
    const int64_t first = std::max<int64_t>(start, 0);
    const int64_t end = std::min<int64_t>(start + extent, doc.viewSize);
    std::memcpy(bytes.data() + (first - start), doc.data() + first, static_cast<std::size_t>(end - first));
    EncodeStrip(pixels, stride, format, std::min(rows, StripHeightWithinLimits(height)), bytes.data());
    const auto inside = std::span<const uint8_t>(bytes).subspan(static_cast<std::size_t>(first - start),
                                                                static_cast<std::size_t>(end - first));
    return OverwriteBytes(doc, static_cast<int32_t>(first), inside) > 0;
}

namespace {

// The strips that the part of region on a picture of pictureRows rows overlaps.
int32_t WriteRegionOfPicture(DocRecord& doc, const SheetLayout& requested, const uint8_t* picture, PixelRect region,
                             int32_t pictureRows)
{
    const SheetLayout layout = LayoutWithinLimits(requested);
    const int32_t height = layout.stripHeight;
    // Only the part of the region on the picture, and on columns that hold strips.
    const int32_t left = std::max(region.x, 0);
    const int32_t top = std::max(region.y, 0);
    const int32_t right = std::min({region.x + region.width, kSheetSide, layout.stripsAcross * kStripWidth});
    const int32_t bottom = std::min(region.y + region.height, pictureRows);
    if (left >= right || top >= bottom) return 0;

    int32_t written = 0;
    std::array<uint8_t, kMaxStripHeight * kStripWidth> strip{};
    for (int32_t stripRow = top / height; stripRow <= (bottom - 1) / height; ++stripRow) {
        const int32_t rows = VisibleRowsOfStripRow(height, stripRow, pictureRows);
        for (int32_t column = left / kStripWidth; column <= (right - 1) / kStripWidth; ++column) {
            const int64_t start = StripStart(layout, stripRow, column);
            DecodeStripAt(SheetBytes(doc), start, layout.format, height, strip.data(), kStripWidth);
            for (int32_t r = 0; r < rows; ++r) {
                const int32_t y = stripRow * height + r;
                if (y < top || y >= bottom) continue;
                for (int32_t x = 0; x < kStripWidth; ++x) {
                    const int32_t sheetX = column * kStripWidth + x;
                    if (sheetX >= left && sheetX < right) {
                        strip[static_cast<std::size_t>(r * kStripWidth + x)] =
                            picture[std::ptrdiff_t{y} * kSheetSide + sheetX];
                    }
                }
            }
            if (WriteStripAt(doc, start, layout.format, height, rows, strip.data(), kStripWidth)) ++written;
        }
    }
    return written;
}

}  // namespace

int32_t WriteSheetRegion(DocRecord& doc, const SheetLayout& layout, const uint8_t* picture, PixelRect region)
{
    return WriteRegionOfPicture(doc, layout, picture, region, kSheetSide);
}

int32_t WriteSheet(DocRecord& doc, const SheetLayout& layout, const uint8_t* picture)
{
    return WriteRegionOfPicture(doc, layout, picture, {0, 0, kSheetSide, kSheetSide}, kSheetSide);
}

int32_t WriteSheetPicture(DocRecord& doc, const SheetLayout& layout, const uint8_t* picture, int32_t pictureRows)
{
    return WriteRegionOfPicture(doc, layout, picture, {0, 0, kSheetSide, pictureRows}, pictureRows);
}

}  // namespace zarvo
