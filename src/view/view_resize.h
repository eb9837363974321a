#pragma once
// How the row width and the page follow the window and the Ctrl+Left/Right keys.
// Rows per page and bytes per row never exceed 128: the cursor fields are 8-bit.

#include "core/document.h"
#include "core/session.h"
#include "view/key_editing.h"
#include "view/view_sizing.h"

#include <cstdint>

namespace zarvo {

inline constexpr int32_t kMaxManualBytesPerRow = 32;
struct ClientArea {
    int32_t width = 0;
    int32_t height = 0;
    RowWidths widths;  // as the window's fonts draw a row
};

// The row width (with automatic row sizing) and the page of rows of rowHeight that a
// client area holds; the cursor is left where it is. For a window that becomes the
// active one or gets a new font.
void FitViewToArea(ViewState& view, const DisplaySettings& settings, const ClientArea& area);

// The window was resized. With automatic row sizing (FixedRow checked) the row
// follows the width, the page counts rows of rowHeight, and the cursor stays on its
// byte; otherwise nothing changes.
[[nodiscard]] EditResult ResizeView(DocRecord& doc, Session& session, ClientArea area);

// Ctrl+Left (delta -1) and Ctrl+Right (+1): one byte less or more per row, within
// 1 .. 32; the page is refilled with rows of rowHeight and the cursor stays on its
// byte. False, with nothing changed, while the row follows the window width.
[[nodiscard]] bool StepBytesPerRow(DocRecord& doc, Session& session, int32_t clientHeight, int delta);

}  // namespace zarvo
