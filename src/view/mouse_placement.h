#pragma once
// Mouse clicks on the hex view: the mouse record written by every move, and the
// cursor cell a click chooses from the widths measured with the view font.

#include "core/document.h"
#include "core/session.h"
#include "view/key_editing.h"
#include "view/row_layout.h"

#include <cstdint>

namespace zarvo {

// A mouse move over the window at pixel (x, y): row y div rowHeight, and x.
void RecordMouseMove(MouseRecord& mouse, int32_t x, int32_t y, int32_t rowHeight);

// A click at the recorded position. A recorded row within the shown rows becomes
// the cursor row; the hexadecimal cell of that row drawn under the recorded x
// (with its trailing blank when hex is spaced) takes the cursor, the first one for
// a click left of them. A click right of the last cell keeps the column. The
// window is repainted whole.
[[nodiscard]] EditResult Click(DocRecord& doc, Session& session, int32_t clientHeight, const TextMeasure& measure);

}  // namespace zarvo
