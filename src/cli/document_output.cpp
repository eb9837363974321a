#include "cli/document_output.h"

#include "cli/command.h"
#include "cli/standard_output.h"
#include "core/output_file.h"

namespace zarvo::cli {

bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& err)
{
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    const uint8_t* bytes = doc.hasData() ? doc.storage.data() : nullptr;
    WriteFailure failure;
    if (WriteOutput(path, OutputRule::StreamsAllowed, bytes, count, &failure) == SaveError::None) return true;
    PrintFailure(err, WriteFailureText(failure, path));
    return false;
}

int FinishListing(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (out) return kDone;
    PrintFailure(err, "cannot write to standard output: " + OutputFailureReason(out));
    return kFailed;
}

void PrintFailure(std::ostream& err, const std::string& text) { PrintLine(err, "zarvo-tool: " + text); }

void PrintLine(std::ostream& stream, const std::string& text)
{
    stream << text << '\n';
    stream.flush();
}

}  // namespace zarvo::cli
