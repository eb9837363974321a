#include "cli/document_output.h"

#include "cli/command.h"
#include "cli/standard_output.h"
#include "core/output_file.h"

namespace zarvo::cli {

bool WriteCommandOutput(const std::string& path, const ContentProducer& produce, std::ostream& out, std::ostream& err)
{
    if (path == "-") {
        const ByteSink sink = [&out](const uint8_t* bytes, std::size_t count) {
            out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
            return static_cast<bool>(out);
        };
        const bool produced = produce(sink);
        out.flush();
        if (produced && out) return true;
        PrintFailure(err, "cannot write to standard output: " + OutputFailureReason(out));
        return false;
    }
    WriteFailure failure;
    if (WriteOutput(path, OutputRule::StreamsAllowed, produce, &failure) == SaveError::None) return true;
    PrintFailure(err, WriteFailureText(failure, path));
    return false;
}

bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& out, std::ostream& err)
{
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    const uint8_t* bytes = doc.hasData() ? doc.storage.data() : nullptr;
    return WriteCommandOutput(
        path, [bytes, count](const ByteSink& sink) { return count == 0 || sink(bytes, count); }, out, err);
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
