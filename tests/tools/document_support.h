#pragma once
// Documents as the editor holds them, for the tests of the tools that rewrite them.

#include "core/document.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zarvo::testing {

// A buffer of at least 65535 bytes behind an optional header of 0xC3 bytes, its first
// fileSize bytes being content.
inline DocRecord MakeDocument(const std::vector<uint8_t>& content, int32_t headerSize = 0)
{
    DocRecord doc;
    const auto size = static_cast<int32_t>(content.size());
    doc.storage = DocumentBytes::Owned(static_cast<std::size_t>(headerSize + std::max(size, kMinimumViewSize)));
    std::memset(doc.storage.data(), 0xC3, static_cast<std::size_t>(headerSize));
    doc.headerSize = headerSize;
    doc.fileSize = size;
    doc.viewSize = std::max(size, kMinimumViewSize);
    if (!content.empty()) std::memcpy(doc.data(), content.data(), content.size());
    return doc;
}

}  // namespace zarvo::testing
