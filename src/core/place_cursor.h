#pragma once

#include "core/document.h"

#include <cstdint>

namespace zarvo {

// Puts the cursor on an absolute buffer offset and returns the topOffset that shows
// it: the target lands on row (offset / bytesPerRow) when that row lies within the
// page, else on row (offset / bytesPerRow) mod 16, at most the last row.
[[nodiscard]] int32_t PlaceCursor(DocRecord& doc, int32_t offset, int32_t bytesPerRow, int32_t pageBytes);

// PlaceCursor for a jump (goto, compare line, a shrinking document): the page is
// also kept inside 0 .. viewSize - pageBytes, as the next paint keeps it, and the
// cursor row and column follow so that the cursor stays on offset.
[[nodiscard]] int32_t PlaceCursorOnPage(DocRecord& doc, int32_t offset, int32_t bytesPerRow, int32_t pageBytes);

}  // namespace zarvo
