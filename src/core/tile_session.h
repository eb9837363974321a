#pragma once
// The tile editor's program-wide state: the sheet image, the palette in use and the
// colour shift, the edit buffer, the clip board and the editor window's geometry.
// Every document shares these; a document's own tile settings are its TileViewState.

#include <array>
#include <cstdint>

namespace zarvo {

inline constexpr int32_t kSheetSide = 128;       // the sheet shows 128 x 128 pixels
inline constexpr int32_t kSheetImageRows = 256;  // rows below 128 catch the last strip row's overhang
inline constexpr int32_t kEditBufferSide = 64;   // the largest edit region, 8 x 8 cells
inline constexpr int32_t kClipBoardWidth = 136;  // 17 cells
inline constexpr int32_t kClipBoardHeight = 96;  // 12 cells

// Colour indexes of the decoded sheet, row by row, kSheetSide per row.
using SheetImage = std::array<uint8_t, kSheetSide * kSheetImageRows>;

// The palette items of the tile window; the values are the items' tags.
enum class TilePalette : int32_t {
    Standard = 0,
    Zst = 1,  // the active document's savestate palette, else the standard one
    Nes = 2,
};

struct TileSession {
    bool editorOn = false;  // the frame's "Tile Editor Engine" item is checked
    SheetImage sheet{};
    int32_t colourShift = 0;  // added to every index before the palette lookup; wraps mod 256
    bool gridShown = false;
    TilePalette palette = TilePalette::Standard;

    std::array<uint8_t, kEditBufferSide * kEditBufferSide> editBuffer{};  // row stride 64
    std::array<uint8_t, kClipBoardWidth * kClipBoardHeight> clipBoard{};  // row stride 136
    bool freeMovement = false;  // the movement item is checked: positions in sheet pixels, not cells
    int32_t cellSize = 16;      // editor-window pixels per 8 sheet pixels: 16 (1 x 1) or 24 (2 x 2)

    // The zoomed edit box as the current cursor size sets it up.
    int32_t editBoxWidth = 128;
    int32_t editBoxHeight = 128;
    int32_t zoomX = 16;
    int32_t zoomY = 16;
    // The colours the two squares took when their index was last picked (RGB565).
    uint16_t leftSwatch = 0;
    uint16_t rightSwatch = 0;
};

}  // namespace zarvo
