#include "tools/checksum_repair.h"

#include "tools/document_length.h"

namespace zarvo {

ChecksumReport InspectDocumentChecksum(const DocRecord& doc) { return InspectSnesChecksum(DocumentContent(doc)); }

void RepairDocumentChecksum(DocRecord& doc, const ChecksumReport& report)
{
    if (report.refusal != ChecksumRefusal::None) return;
    const auto end = static_cast<int64_t>(report.header.base) + kSnesChecksumAt + 2;
    if (!doc.hasData() || end > doc.fileSize) return;
    WriteSnesChecksum({doc.data(), static_cast<std::size_t>(doc.fileSize)}, report.header.base, report.newChecksum);
    doc.modified = true;
}

}  // namespace zarvo
