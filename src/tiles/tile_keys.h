#pragma once
// The keys of the tile window: moving the sheet, the format digits, the raw view,
// tile height, window width, colour shift and cursor size. The window turns its key
// events into TileKeyPress and repaints what the result names.

#include "core/document.h"
#include "core/tile_session.h"

namespace zarvo {

enum class TileKey {
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    KeypadPlus,
    KeypadMinus,
    Digit,    // '0'..'9' in digit
    RawView,  // W
    Help,     // F1
    Other,
};

struct TileKeyPress {
    TileKey key = TileKey::Other;
    char digit = 0;
    bool control = false;
    bool shift = false;
};

struct TileKeyResult {
    bool handled = false;            // the key acted: the sheet was redrawn, repaint the tile window
    bool openHelp = false;           // run the frame's help command
    bool formatChanged = false;      // check the new format's menu item
    bool cursorSizeChanged = false;  // the edit box has a new size and zoom
};

// Applies one key to the document's sheet and the session. With Shift held only the
// arrows act (cursor size); with Ctrl held only the arrows (height and width) and the
// keypad's + and - (colour shift). Every move of the sheet goes through the
// end-of-data clamp; Up and Down shift the image and decode one strip row when the
// clamp leaves the move as it was. Nothing happens without data.
TileKeyResult ApplyTileKey(TileSession& tiles, DocRecord& doc, const TileKeyPress& press);

}  // namespace zarvo
