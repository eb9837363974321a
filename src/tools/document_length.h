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

// ChangeDocumentLength (the bytes a longer document gains read fill) and, when the
// document became shorter than the cursor, the cursor on its last byte and the view
// where it shows it: one undo step. False, with the document unchanged, when the
// memory cannot be had.
[[nodiscard]] bool SetDocumentLength(DocRecord& doc, int32_t length, uint8_t fill, const ViewState& view);

// The document's bytes become content (at most 2 GiB - 1 bytes) and its length
// content's, the cursor kept inside as above: one undo step, which holds only the
// bytes that differ. False, with the document unchanged, when the memory cannot be had.
[[nodiscard]] bool ReplaceDocumentContent(DocRecord& doc, std::span<const uint8_t> content, const ViewState& view);

}  // namespace zarvo
