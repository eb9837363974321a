#include "tools/checksum_repair.h"

#include "core/document_edit.h"
#include "tools/document_length.h"

namespace zarvo {

ChecksumReport InspectDocumentChecksum(const DocRecord& doc) { return InspectSnesChecksum(DocumentContent(doc)); }

void RepairDocumentChecksum(DocRecord& doc, const ChecksumReport& report)
{
    if (report.refusal != ChecksumRefusal::None) return;
    const auto end = static_cast<int64_t>(report.header.base) + kSnesChecksumAt + 2;
    if (!doc.hasData() || end > doc.fileSize) return;
    const EditStep step(doc);
    // The complement and the checksum, four bytes side by side.
    doc.journal.recordWrite(doc, report.header.base + kSnesComplementAt, 4);
    WriteSnesChecksum({doc.data(), static_cast<std::size_t>(doc.fileSize)}, report.header.base, report.newChecksum);
    doc.modified = true;
}

}  // namespace zarvo
