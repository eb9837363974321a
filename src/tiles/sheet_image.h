#pragma once
// Filling the sheet image from a document's bytes. The sheet reads the document's
// viewSize bytes; a byte past their end reads as 0 and is never written, so a
// position whose bytes all lie past the end shows index 0.

#include "core/document.h"
#include "core/tile_session.h"
#include "tiles/sheet_layout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zarvo {

enum class SheetRedraw {
    Full,         // clear the image and decode every strip
    ShiftedDown,  // the sheet moved one strip row back: rows move down h, strip row 0 is decoded
    ShiftedUp,    // the sheet moved one strip row on: rows move up h, the last strip row is decoded
};

// The bytes the sheet addresses: the document's data, viewSize long (none without data).
[[nodiscard]] std::span<const uint8_t> SheetBytes(const DocRecord& doc);

// Decodes the strip that starts at byte `start` of data, reading bytes outside data as 0.
void DecodeStripAt(std::span<const uint8_t> data, int64_t start, int32_t format, int32_t height, uint8_t* pixels,
                   std::ptrdiff_t stride);

// Fills the image for the layout. A shift expects the image as the layout one strip row
// away left it, and gives exactly what a full redraw gives.
void DrawSheet(SheetImage& image, std::span<const uint8_t> data, const SheetLayout& layout, SheetRedraw mode);

// Several sheets' worth of data at once, for the tool: pictureRows rows of kSheetSide
// indexes, in which the strip rows go on past row 128 as they do above it, so that
// 128 rows are the sheet DrawSheet draws. The last strip row may be cut off.
[[nodiscard]] std::vector<uint8_t> DrawSheetPicture(std::span<const uint8_t> data, const SheetLayout& layout,
                                                    int32_t pictureRows);
// The byte after the last one such a picture's strips read.
[[nodiscard]] int64_t SheetPictureEnd(const SheetLayout& layout, int32_t pictureRows);

// The redraw before every paint: the end-of-data clamp (a moved offset is stored in
// the document and turns a shift into a full redraw; a jump's offset is clamped here
// too), then the image. Nothing happens for a document without data.
void RedrawSheet(TileSession& tiles, DocRecord& doc, SheetRedraw mode);

}  // namespace zarvo
