#pragma once
// Changing how many bytes a document holds, for the tools that rewrite it whole
// (patch apply, size change). A removed savestate header stays in front of the bytes.

#include "core/document.h"
#include "core/session.h"

#include <cstdint>
#include <span>

namespace zarvo {

// The document's own bytes: the first fileSize bytes after its header.
[[nodiscard]] std::span<const uint8_t> DocumentContent(const DocRecord& doc);

// Makes sure the storage holds headerSize + length bytes, moving the header and the
// first bytes into a larger zero-filled buffer when it does not. False, with the
// document untouched, when that memory cannot be had.
[[nodiscard]] bool MakeRoomFor(DocRecord& doc, int32_t length);

// Sets fileSize and viewSize to length (room must have been made), marks the document
// modified and, when it became shorter than the cursor, puts the cursor on its last
// byte and the view where it shows it.
void SetDocumentLength(DocRecord& doc, int32_t length, const ViewState& view);

}  // namespace zarvo
