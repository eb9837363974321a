#pragma once
// The texts of the tile status bar's panels. The seventh panel holds the
// application's hint text, which the window fills in.

#include "core/document.h"
#include "core/tile_session.h"

#include <array>
#include <string>

namespace zarvo {

inline constexpr int kTileStatusPanels = 7;
inline constexpr std::array<int, kTileStatusPanels> kTileStatusPanelWidths = {95, 90, 72, 92, 105, 82, 50};
// What the panels hold before the first paint.
inline constexpr std::array<const char*, kTileStatusPanels> kInitialTileStatusTexts = {"1 - Bitplane",
                                                                                       "Offset: 00000000",
                                                                                       "Tile Height: 32",
                                                                                       "Window Width: 16",
                                                                                       "Cursor Size: 64 x 64",
                                                                                       "Color Index: 255",
                                                                                       ""};

// Panels 0 to 5: the format's name, "Offset: XXXXXXXX", "Tile Height: h",
// "Window Width: w", "Cursor Size: H x W" and "Color Index: shift".
[[nodiscard]] std::array<std::string, 6> TileStatusTexts(const TileSession& tiles, const DocRecord& doc);

}  // namespace zarvo
