#pragma once
// Mouse clicks and drags on the hex view: the mouse record written by every move,
// the cursor cell a click chooses and the bytes a drag selects, from the widths
// measured with the view font.

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
// a click left of them; so does the text cell under x (of a pair, its first byte).
// A click between the two columns or right of the text keeps the column. A click
// ends the selection and repaints the window whole.
[[nodiscard]] EditResult Click(DocRecord& doc, Session& session, int32_t clientHeight, const TextMeasure& measure);

// A left button held down over the hex view since it was pressed.
struct MouseDrag {
    bool pressed = false;    // on a hexadecimal or text cell of a byte: a drag may select from it
    bool inText = false;     // pressed in the text column: the pointer is followed there
    int32_t anchor = 0;      // that byte
    bool selecting = false;  // the pointer has reached another byte since
};

// The button went down at the recorded position: a drag can start only from the
// hexadecimal or text cell of a byte on a shown row.
[[nodiscard]] MouseDrag PressForDrag(const DocRecord& doc, const Session& session, int32_t clientHeight,
                                     const TextMeasure& measure);

// The pointer moved to the recorded position with the button held. Once it is over
// another byte than the pressed one, the selection runs from the pressed byte to the
// byte under it: its row kept within the shown rows, its column that of the cell
// under x in the column the drag started in (the first left of the cells, the last
// right of them; a pair past the pressed byte counts with its second byte), never
// past the data. The cursor and a half-typed byte stay as they are. The window is repainted
// whole when the selection changed.
[[nodiscard]] EditResult DragTo(DocRecord& doc, const Session& session, int32_t clientHeight,
                                const TextMeasure& measure, MouseDrag& drag);

}  // namespace zarvo
