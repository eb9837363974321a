#pragma once
// Documents and tables as the editor holds them, built from bytes and table-file text,
// and the bytes of a SNES image.

#include "core/document.h"
#include "core/table_loader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace zarvo::testing {

// The content as the file's bytes, zero after it up to viewSize (at least the content's
// size: 0 makes a document exactly as long as its content), behind an optional removed
// savestate header of 0xC3 bytes.
inline DocRecord MakeDocument(const std::vector<uint8_t>& content, int32_t viewSize = kMinimumViewSize,
                              int32_t headerSize = 0)
{
    DocRecord doc;
    doc.fileSize = static_cast<int32_t>(content.size());
    doc.viewSize = std::max(doc.fileSize, viewSize);
    doc.headerSize = headerSize;
    doc.storage = DocumentBytes::Owned(static_cast<std::size_t>(std::max(headerSize + doc.viewSize, 1)));
    std::memset(doc.storage.data(), 0xC3, static_cast<std::size_t>(headerSize));
    std::copy(content.begin(), content.end(), doc.data());
    return doc;
}

// The bytes Save would write.
inline std::vector<uint8_t> ContentOf(const DocRecord& doc) { return {doc.data(), doc.data() + doc.fileSize}; }

inline std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

inline TableData TableFrom(std::string_view lines)
{
    TableData table;
    TableSession session;
    ParseTableText(table, session, lines);
    return table;
}

// A zero-filled SNES image with the complement and checksum of its header at base, and a
// few marked bytes.
inline std::vector<uint8_t> SnesImage(std::size_t size, std::size_t base, uint16_t complement, uint16_t checksum,
                                      const std::vector<std::pair<std::size_t, uint8_t>>& marks = {})
{
    std::vector<uint8_t> image(size, 0);
    image[base + 0x1C] = static_cast<uint8_t>(complement);
    image[base + 0x1D] = static_cast<uint8_t>(complement >> 8);
    image[base + 0x1E] = static_cast<uint8_t>(checksum);
    image[base + 0x1F] = static_cast<uint8_t>(checksum >> 8);
    for (const auto& [at, value] : marks) image[at] = value;
    return image;
}

// A savestate of `size` zero bytes whose palette, at byte 1560, begins with the colours given.
inline std::vector<uint8_t> SavestateBytes(std::size_t size, const std::vector<uint16_t>& colours)
{
    std::vector<uint8_t> bytes(size, 0);
    for (std::size_t k = 0; k < colours.size(); ++k) {
        bytes[1560 + 2 * k] = static_cast<uint8_t>(colours[k]);
        bytes[1561 + 2 * k] = static_cast<uint8_t>(colours[k] >> 8);
    }
    return bytes;
}

}  // namespace zarvo::testing
