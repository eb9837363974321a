#pragma once
// Flips and the rotation of the edit region (8H rows by 8W columns of the edit
// buffer); pixels outside the region stay as they are.

#include "core/document.h"
#include "core/tile_session.h"

namespace zarvo {

// Each row reversed: pixel c swaps with pixel 8W - 1 - c.
void FlipX(TileSession& tiles, const TileViewState& state);
// The rows in reverse order: row r swaps with row 8H - 1 - r.
void FlipY(TileSession& tiles, const TileViewState& state);
// New pixel (r, c) = old pixel (8W - 1 - c, r), read from a copy of the buffer: a
// quarter turn clockwise for a square region. A region that is not square takes
// its rows from old columns and its columns from old rows as the formula says,
// reading within the 64 x 64 buffer.
void Rotate(TileSession& tiles, const TileViewState& state);

}  // namespace zarvo
