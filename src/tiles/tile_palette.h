#pragma once
// The palettes of the tile view (RGB565 colours) and the colour shift that is added
// to every index before the lookup.

#include "core/document.h"
#include "core/tile_session.h"

#include <array>
#include <cstdint>

namespace zarvo {

using TileColours = std::array<uint16_t, 256>;

inline constexpr uint16_t kGridColour = 0xCE59;
inline constexpr uint16_t kCursorFrameColour = 0xFFFF;

[[nodiscard]] const TileColours& StandardPalette();
// 64 NES colours; entries 64 to 255 are black.
[[nodiscard]] const TileColours& NesPalette();
// The palette the session uses for doc: the ZST choice falls back to the standard
// palette while the document has no savestate palette.
[[nodiscard]] const TileColours& PaletteInUse(const TileSession& tiles, const DocRecord& doc);

// (index + shift) mod 256 as a non-negative remainder, for any shift.
[[nodiscard]] uint8_t ShiftedIndex(int32_t index, int32_t shift);
[[nodiscard]] uint16_t ColourOfIndex(const TileColours& palette, int32_t index, int32_t shift);

// The palette items' handler: tag 0 standard, 1 ZST, 2 NES; other tags change nothing.
void SelectColorType(TileSession& tiles, int32_t tag);

}  // namespace zarvo
