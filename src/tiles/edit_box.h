#pragma once
// The tile window's boxes: the zoomed edit box where pixels are painted, the palette
// box where the two colours are picked, and the clip board that keeps regions.
// Positions are in the box's own pixels.

#include "core/document.h"
#include "core/tile_session.h"
#include "tiles/edit_region.h"

#include <cstdint>
#include <optional>

namespace zarvo {

inline constexpr int32_t kPaletteBoxSide = 128;  // 16 x 16 cells of 8 x 8
inline constexpr int32_t kClipBoardZoom = 2;     // the box shows the image at twice its size
inline constexpr int32_t kClipBoardCellsAcross = 17;
inline constexpr int32_t kClipBoardCellsDown = 12;

enum class MouseButton { Left, Right };

struct EditPixel {
    int32_t column = 0;
    int32_t row = 0;
};

// The edit pixel under (x, y) of the edit box: column x / zoom X, row y / zoom Y;
// nothing outside the region's 8W x 8H pixels.
[[nodiscard]] std::optional<EditPixel> EditPixelAt(const TileSession& tiles, const TileViewState& state, int32_t x,
                                                   int32_t y);
// The box pixels that show an edit pixel, for its white outline.
[[nodiscard]] PixelRect EditPixelOutline(const TileSession& tiles, const EditPixel& pixel);
// A press or a drag with a button in the edit box: the pixel under the pointer takes
// the button's colour. Only the edit buffer changes; false when no pixel is there.
bool PaintEditPixel(TileSession& tiles, const DocRecord& doc, int32_t x, int32_t y, MouseButton button);

// The palette index under (x, y) of the palette box: 16 x (y / 8) + x / 8.
[[nodiscard]] std::optional<int32_t> PaletteIndexAt(int32_t x, int32_t y);
// A click in the palette box: an index up to the format's highest becomes the
// button's colour and its square takes the colour the cell shows. False otherwise.
bool PickPaletteColour(TileSession& tiles, DocRecord& doc, int32_t x, int32_t y, MouseButton button);

// The clip board cell the region is placed at for (x, y) of the box: cell x / 16,
// y / 16, moved left and up until the region fits the 17 x 12 cells.
[[nodiscard]] std::optional<EditPixel> ClipBoardPlaceAt(const TileViewState& state, int32_t x, int32_t y);
// The region's frame on the clip board image (image pixels) at a place.
[[nodiscard]] PixelRect ClipBoardFrame(const TileViewState& state, const EditPixel& place);
// A click or drag on the clip board: the left button copies the region there into the
// edit buffer, the right button copies the edit region onto the clip board. Returns
// the place acted on.
std::optional<EditPixel> UseClipBoard(TileSession& tiles, const DocRecord& doc, int32_t x, int32_t y,
                                      MouseButton button);

}  // namespace zarvo
