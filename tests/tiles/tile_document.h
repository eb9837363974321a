#pragma once
// Documents for the tile tests: exactly as long as their bytes, with the tile view set
// up as the tests name it.

#include "support/document_builder.h"
#include "support/tile_model.h"
#include "tiles/tile_format.h"

#include <vector>

namespace zarvo::testing {

inline DocRecord TileDocument(const std::vector<uint8_t>& bytes, int format = 0, int height = 8, int width = 16,
                              int32_t offset = 0)
{
    DocRecord doc = MakeDocument(bytes, 0);
    SelectTileFormat(doc.tileView, format);
    doc.tileView.stripHeight = height;
    doc.tileView.stripsAcross = width;
    doc.topOffset = offset;
    return doc;
}

}  // namespace zarvo::testing
