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
    (void)OverwriteBytes(doc, report.header.base + kSnesComplementAt, SnesChecksumBytes(report.newChecksum));
}

}  // namespace zarvo
