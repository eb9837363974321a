#include "tiles/tile_status.h"

#include "core/hex_text.h"
#include "tiles/tile_format.h"

namespace zarvo {

std::array<std::string, 6> TileStatusTexts(const TileSession& tiles, const DocRecord& doc)
{
    const TileViewState& state = doc.tileView;
    return {
        TileFormatOf(state.format).statusName,
        "Offset: " + FormatHex(static_cast<uint32_t>(doc.topOffset), 8),
        "Tile Height: " + std::to_string(state.stripHeight),
        "Window Width: " + std::to_string(state.stripsAcross),
        "Cursor Size: " + std::to_string(state.cursorHeight) + " x " + std::to_string(state.cursorWidth),
        "Color Index: " + std::to_string(tiles.colourShift),
    };
}

}  // namespace zarvo
