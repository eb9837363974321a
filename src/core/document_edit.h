#pragma once
// Changes to the bytes of a document. Every command that overwrites bytes in place
// goes through these, so that each change marks the document modified in one place.

#include "core/document.h"

#include <cstdint>
#include <span>

namespace zarvo {

// Writes bytes from offset on; bytes that would land outside 0 .. viewSize - 1 are
// not written. Returns how many were written; modified is set when any was.
int32_t OverwriteBytes(DocRecord& doc, int32_t offset, std::span<const uint8_t> bytes);

// Sets count bytes from offset on to value, within 0 .. viewSize - 1 as above.
int32_t FillBytes(DocRecord& doc, int32_t offset, int32_t count, uint8_t value);

}  // namespace zarvo
