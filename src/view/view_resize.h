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
// client area holds, for a window that becomes the active one or gets a new font.
// The cursor keeps its byte: the page stays where that byte is still on it, else
// PlaceCursor chooses the page. A document without data is left alone.
void FitViewToArea(DocRecord& doc, Session& session, const ClientArea& area);

// The window was resized: the page holds the rows of rowHeight that fit now, and with
// automatic row sizing (FixedRow checked) the row follows the width and PlaceCursor
// puts the page around the cursor's byte. With a fixed row width the cursor keeps its
// byte as FitViewToArea keeps it.
[[nodiscard]] EditResult ResizeView(DocRecord& doc, Session& session, ClientArea area);

// Ctrl+Left (delta -1) and Ctrl+Right (+1): one byte less or more per row, within
// 1 .. 32; the page is refilled with rows of rowHeight and the cursor stays on its
// byte. False, with nothing changed, while the row follows the window width.
[[nodiscard]] bool StepBytesPerRow(DocRecord& doc, Session& session, int32_t clientHeight, int delta);

}  // namespace zarvo
