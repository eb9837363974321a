#pragma once
// The ten tile formats: their names in the menu and the status bar, the key that
// selects each, and the numbers the codec, the sheet and the palette box use.

#include "core/document.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zarvo {

inline constexpr int32_t kTileFormatCount = 10;

struct TileFormat {
    const char* menuCaption;
    char key;  // the digit that selects the format
    const char* statusName;
    int32_t bytesPerRow;   // bytes one 8-pixel row of a strip takes; an 8 x 8 tile takes 8 times as many
    int32_t depthClass;    // 0 (1 bit), 1 (2 bits), 2 (3 or 4 bits), 3 (8 bits)
    int32_t highestIndex;  // the largest colour index a pixel of the format holds
    int32_t endUnit;       // bytes per strip height that the end-of-data clamp keeps in view
};

inline constexpr std::array<TileFormat, kTileFormatCount> kTileFormats = {{
    {"1-Bpp", '1', "1 - Bitplane", 1, 0, 1, 128},
    {"N.E.S", '2', "NES Mode", 2, 1, 3, 256},
    {"GameBoy", '3', "2 - Bitplane", 2, 1, 3, 256},
    {"SNES 4-Bpp", '4', "4 - Bitplane", 4, 2, 15, 512},
    {"SNES 8-Bpp", '5', "8 - Bitplane", 8, 3, 255, 1024},
    {"Mode-7 / GBA 8BPP", '6', "Mode7/GBA 8BPP", 8, 3, 255, 1024},
    {"Sega Master Sys / GG", '7', "SMS/GameGear", 4, 2, 15, 512},
    {"GBA 4BPP", '8', "GBA 4BPP", 4, 2, 15, 256},
    {"Sega Genesis", '9', "Sega Genesis", 4, 2, 15, 256},
    {"SNES 3-Bpp", '0', "3 - Bitplane", 3, 2, 7, 384},
}};

// The row of a format number; a number outside 0..9 reads as format 0.
[[nodiscard]] const TileFormat& TileFormatOf(int32_t format);
// The format a digit key selects ('1' is format 0, '0' format 9), nothing for other keys.
[[nodiscard]] std::optional<int32_t> TileFormatForKey(char key);
// Stores format, bytes per row and depth class in the document; numbers outside 0..9 are ignored.
void SelectTileFormat(TileViewState& state, int32_t format);

}  // namespace zarvo
