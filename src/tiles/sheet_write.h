#pragma once
// Writing sheet pixels back into a document. Every byte goes through OverwriteBytes;
// a byte past the end of the data is never written, and the rows of a strip that
// lie below the 128 rows shown keep their bytes.

#include "core/document.h"
#include "tiles/edit_region.h"
#include "tiles/sheet_layout.h"

#include <cstddef>
#include <cstdint>

namespace zarvo {

// Encodes the first `rows` rows of the strip at `start` (pixels row r at
// pixels + r * stride); bytes the strip reads but those rows do not keep their
// values. True when any byte was written.
bool WriteStripAt(DocRecord& doc, int64_t start, int32_t format, int32_t height, int32_t rows, const uint8_t* pixels,
                  std::ptrdiff_t stride);

// Encodes every strip of the sheet that `region` overlaps. Pixels inside the region
// come from `picture` (128 indexes a row, at least 128 rows); the strips' other
// pixels are decoded from the document first, so they keep their bytes. Returns how
// many strips were written.
int32_t WriteSheetRegion(DocRecord& doc, const SheetLayout& layout, const uint8_t* picture, PixelRect region);
// The whole shown sheet from a 128 x 128 picture: every strip the sheet shows.
int32_t WriteSheet(DocRecord& doc, const SheetLayout& layout, const uint8_t* picture);
// Every strip of a picture as DrawSheetPicture draws it, pictureRows rows of 128
// indexes; rows of the last strip row below the picture keep their bytes.
int32_t WriteSheetPicture(DocRecord& doc, const SheetLayout& layout, const uint8_t* picture, int32_t pictureRows);

}  // namespace zarvo
