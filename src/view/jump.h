#pragma once
// The one jump: every command that sends the cursor to an offset (goto, the jump list,
// a search hit, a result-list line, a dump label's end, the SNES converter, a compare
// line) stores the topOffset that shows it here, for the hex view or the tile sheet,
// whichever shows the document. Keys that move by rows or pages, the scroll bar and
// undo place the page by their own rules; they are no jumps.

#include "core/document.h"
#include "core/session.h"

#include <cstdint>

namespace zarvo {

// The hex view's placement: topOffset = PlaceCursorOnPage(offset), so the cursor
// lands on offset and the page stays inside 0 .. viewSize - pageBytes. Also used
// when the cursor keeps its byte under a new row width or a shorter document.
void ShowCursorAt(DocRecord& doc, const ViewState& view, int32_t offset);

// A jump. While the tile editor shows its sheet, the offset itself becomes the
// sheet's start (topOffset = offset; the sheet's end-of-data clamp keeps it inside
// the data when it is drawn) and the cursor sits on it, on row 0 and column 0, so
// that Search Again goes on after it; otherwise ShowCursorAt.
void JumpTo(DocRecord& doc, const Session& session, int32_t offset);

}  // namespace zarvo
