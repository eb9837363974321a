#pragma once
// The keys of the editor window with the selection: Shift with an arrow, Page Up/Down,
// Home or End (Ctrl+Page Up/Down, Ctrl+Home and Ctrl+End too) moves the cursor as the
// key alone does and stretches the selection from its anchor to the cursor.

#include "core/document.h"
#include "core/session.h"
#include "view/key_editing.h"

#include <cstdint>

namespace zarvo {

// KeyDown, and then the selection: a selecting key begins one at the byte the cursor
// left, or moves the end of the one the cursor ended; any other moving key and any
// other key (typing included) ends it. A modifier on its own, a repaint request and the
// Ctrl keys that change the row width or the ASCII table keep it. When the selection
// changed, the whole window is repainted.
[[nodiscard]] EditResult SelectingKeyDown(DocRecord& doc, Session& session, int32_t clientHeight,
                                          const KeyStroke& stroke);

}  // namespace zarvo
