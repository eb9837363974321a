#include "cli/document_output.h"

#include "cli/command.h"
#include "core/document_file.h"

namespace zarvo::cli {

bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& err)
{
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    const uint8_t* bytes = doc.hasData() ? doc.storage.data() : nullptr;
    if (WriteFileReplacing(path, bytes, count) == SaveError::None) return true;
    err << "zarvo-tool: cannot write " << path << "\n";
    return false;
}

int FinishListing(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (out) return kDone;
    err << "zarvo-tool: cannot write the listing\n";
    return kFailed;
}

void PrintLine(std::ostream& stream, const std::string& text)
{
    stream << text << '\n';
    stream.flush();
}

}  // namespace zarvo::cli
