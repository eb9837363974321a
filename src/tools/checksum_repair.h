#pragma once
// The checksum repair on a document: the findings on its bytes, and the repair.

#include "core/document.h"
#include "tools/snes_checksum.h"

namespace zarvo {

// InspectSnesChecksum over the document's fileSize bytes.
[[nodiscard]] ChecksumReport InspectDocumentChecksum(const DocRecord& doc);

// Stores the report's new checksum and complement in the document (the report must
// come from this document and hold no refusal) and marks it modified.
void RepairDocumentChecksum(DocRecord& doc, const ChecksumReport& report);

}  // namespace zarvo
