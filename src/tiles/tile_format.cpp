#include "tiles/tile_format.h"

namespace zarvo {

const TileFormat& TileFormatOf(int32_t format)
{
    if (format < 0 || format >= kTileFormatCount) return kTileFormats[0];
    return kTileFormats[static_cast<std::size_t>(format)];
}

std::optional<int32_t> TileFormatForKey(char key)
{
    for (int32_t format = 0; format < kTileFormatCount; ++format) {
        if (kTileFormats[static_cast<std::size_t>(format)].key == key) return format;
    }
    return std::nullopt;
}

void SelectTileFormat(TileViewState& state, int32_t format)
{
    if (format < 0 || format >= kTileFormatCount) return;
    const TileFormat& row = TileFormatOf(format);
    state.format = format;
    state.bytesPerRow = static_cast<uint8_t>(row.bytesPerRow);
    state.depthClass = static_cast<uint8_t>(row.depthClass);
}

}  // namespace zarvo
