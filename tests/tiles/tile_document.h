#pragma once
// Documents for the tile tests: a given number of addressable bytes holding a
// pattern, with the tile view set up as the tests name it.

#include "core/document.h"
#include "support/tile_model.h"
#include "tiles/tile_format.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zarvo::testing {

inline DocRecord TileDocument(const std::vector<uint8_t>& bytes, int format = 0, int height = 8, int width = 16,
                              int32_t offset = 0)
{
    DocRecord doc;
    doc.storage = DocumentBytes::Owned(std::max<std::size_t>(bytes.size(), 1));
    if (!bytes.empty()) std::memcpy(doc.storage.data(), bytes.data(), bytes.size());
    doc.viewSize = doc.fileSize = static_cast<int32_t>(bytes.size());
    SelectTileFormat(doc.tileView, format);
    doc.tileView.stripHeight = height;
    doc.tileView.stripsAcross = width;
    doc.topOffset = offset;
    return doc;
}

inline std::vector<uint8_t> BytesOfDocument(const DocRecord& doc) { return {doc.data(), doc.data() + doc.viewSize}; }

}  // namespace zarvo::testing
