#include "tiles/sheet_image.h"

#include "tiles/strip_codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace zarvo {

namespace {

// DecodeStripAt with the strip's extent worked out once for the whole sheet.
void DecodeStripSpanning(std::span<const uint8_t> data, int64_t start, int32_t extent, int32_t format, int32_t height,
                         uint8_t* pixels, std::ptrdiff_t stride)
{
    const auto size = static_cast<int64_t>(data.size());
    if (start >= 0 && start + extent <= size) {
        DecodeStrip(data.data() + start, format, height, pixels, stride);
        return;
    }
    // Near the end of the data: the bytes that are there, zeros for the rest.
    std::array<uint8_t, kMaxStripExtent> bytes{};
    const int64_t first = std::max<int64_t>(start, 0);
    const int64_t end = std::min<int64_t>(start + extent, size);
    if (first < end) {
        std::memcpy(bytes.data() + (first - start), data.data() + first, static_cast<std::size_t>(end - first));
    }
    DecodeStrip(bytes.data(), format, height, pixels, stride);
}

// Strip row R of an image of kSheetSide indexes a row that has room for all of its rows.
void DecodeStripRow(uint8_t* image, std::span<const uint8_t> data, const SheetLayout& layout, int32_t stripRow)
{
    const int32_t extent = StripExtent(layout.format, layout.stripHeight);
    const int32_t stripBytes = StripBytes(layout);
    const int64_t rowStart = StripStart(layout, stripRow, 0);
    uint8_t* pixels = image + std::ptrdiff_t{stripRow} * layout.stripHeight * kSheetSide;
    for (int32_t column = 0; column < layout.stripsAcross; ++column, pixels += kStripWidth) {
        DecodeStripSpanning(data, rowStart + int64_t{column} * stripBytes, extent, layout.format, layout.stripHeight,
                            pixels, kSheetSide);
    }
}

}  // namespace

std::span<const uint8_t> SheetBytes(const DocRecord& doc)
{
    if (!doc.hasData() || doc.viewSize <= 0) return {};
    return {doc.data(), static_cast<std::size_t>(doc.viewSize)};
}

void DecodeStripAt(std::span<const uint8_t> data, int64_t start, int32_t format, int32_t height, uint8_t* pixels,
                   std::ptrdiff_t stride)
{
    DecodeStripSpanning(data, start, StripExtent(format, height), format, height, pixels, stride);
}

void DrawSheet(SheetImage& image, std::span<const uint8_t> data, const SheetLayout& requested, SheetRedraw mode)
{
    const SheetLayout layout = LayoutWithinLimits(requested);
    const int32_t rows = StripRowCount(layout.stripHeight);
    const std::size_t drawnBytes = std::size_t{static_cast<uint32_t>(rows * layout.stripHeight)} * kSheetSide;
    const std::size_t shiftBytes = std::size_t{static_cast<uint32_t>(layout.stripHeight)} * kSheetSide;
    switch (mode) {
    case SheetRedraw::Full: {
        // Every pixel the strips do not cover is cleared; the strips overwrite the rest.
        const int32_t stripColumns = layout.stripsAcross * kStripWidth;
        if (stripColumns < kSheetSide) {
            for (std::size_t at = 0; at < drawnBytes; at += kSheetSide) {
                std::memset(image.data() + at + stripColumns, 0, static_cast<std::size_t>(kSheetSide - stripColumns));
            }
        }
        std::memset(image.data() + drawnBytes, 0, image.size() - drawnBytes);
        for (int32_t row = 0; row < rows; ++row) DecodeStripRow(image.data(), data, layout, row);
        return;
    }
    case SheetRedraw::ShiftedDown:
        std::memmove(image.data() + shiftBytes, image.data(), drawnBytes - shiftBytes);
        DecodeStripRow(image.data(), data, layout, 0);
        return;
    case SheetRedraw::ShiftedUp:
        std::memmove(image.data(), image.data() + shiftBytes, drawnBytes - shiftBytes);
        DecodeStripRow(image.data(), data, layout, rows - 1);
        return;
    }
}

std::vector<uint8_t> DrawSheetPicture(std::span<const uint8_t> data, const SheetLayout& requested, int32_t pictureRows)
{
    const SheetLayout layout = LayoutWithinLimits(requested);
    const int32_t rows = StripRowCount(layout.stripHeight, pictureRows);
    // The last strip row is decoded whole below the picture's end, then cut off.
    std::vector<uint8_t> picture(std::size_t{static_cast<uint32_t>(rows * layout.stripHeight)} * kSheetSide, 0);
    for (int32_t row = 0; row < rows; ++row) DecodeStripRow(picture.data(), data, layout, row);
    picture.resize(std::size_t{static_cast<uint32_t>(pictureRows)} * kSheetSide);
    return picture;
}

int64_t SheetPictureEnd(const SheetLayout& requested, int32_t pictureRows)
{
    const SheetLayout layout = LayoutWithinLimits(requested);
    return StripStart(layout, StripRowCount(layout.stripHeight, pictureRows) - 1, layout.stripsAcross - 1) +
           StripExtent(layout.format, layout.stripHeight);
}

void RedrawSheet(TileSession& tiles, DocRecord& doc, SheetRedraw mode)
{
    if (!doc.hasData()) return;
    if (ApplyEndOfDataClamp(doc)) mode = SheetRedraw::Full;
    DrawSheet(tiles.sheet, SheetBytes(doc), SheetLayoutOf(doc), mode);
}

}  // namespace zarvo
