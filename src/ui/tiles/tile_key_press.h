#pragma once
// Qt's key events in the terms of the tile window's keys.

#include "tiles/tile_keys.h"

class QKeyEvent;

namespace zarvo {

// The key with its Ctrl and Shift state. The keypad's + and - count only from the
// keypad; keypad digits are digits like the others; anything else is TileKey::Other.
[[nodiscard]] TileKeyPress TileKeyPressFor(const QKeyEvent& event);

}  // namespace zarvo
