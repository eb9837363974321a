#include "cli/document_output.h"

#include "cli/command.h"
#include "cli/standard_output.h"
#include "core/output_file.h"

namespace zarvo::cli {

bool IsStandardOutput(std::string_view path) { return path == "-"; }

std::ostream& ReportStream(std::string_view outputPath, std::ostream& out, std::ostream& err)
{
    return IsStandardOutput(outputPath) ? err : out;
}

OutputResult WriteCommandOutputResult(const std::string& path, const ContentProducer& produce, std::ostream& out,
                                      std::ostream& err, bool followDisk)
{
    // Tells a failed write (said here, with its reason) from content that could not be
    // made (said by whoever made it).
    bool writeFailed = false;
    const ContentProducer watched = [&produce, &writeFailed](const ByteSink& sink) {
        return produce([&sink, &writeFailed](const uint8_t* bytes, std::size_t count) {
            writeFailed = !sink(bytes, count);
            return !writeFailed;
        });
    };
    if (IsStandardOutput(path)) {
        const ByteSink sink = [&out](const uint8_t* bytes, std::size_t count) {
            out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
            return static_cast<bool>(out);
        };
        const bool produced = watched(sink);
        out.flush();
        if (produced && out) return OutputResult::Written;
        if (!writeFailed && out) return OutputResult::ContentFailed;
        PrintFailure(err, "cannot write to standard output: " + OutputFailureReason(out));
        return OutputResult::WriteFailed;
    }
    WriteFailure failure;
    const SaveError written = followDisk ? WriteOutputFollowingDisk(path, OutputRule::StreamsAllowed, watched, &failure)
                                         : WriteOutput(path, OutputRule::StreamsAllowed, watched, &failure);
    if (written == SaveError::None) {
        return OutputResult::Written;
    }
    if (failure.error == SaveError::CannotWrite && !writeFailed && failure.systemError == 0) {
        return OutputResult::ContentFailed;
    }
    PrintFailure(err, WriteFailureText(failure, path));
    return OutputResult::WriteFailed;
}

bool WriteCommandOutput(const std::string& path, const ContentProducer& produce, std::ostream& out, std::ostream& err)
{
    return WriteCommandOutputResult(path, produce, out, err) == OutputResult::Written;
}

bool WriteBytesOutput(const std::string& path, std::span<const uint8_t> bytes, std::ostream& out, std::ostream& err)
{
    return WriteCommandOutput(
        path, [bytes](const ByteSink& sink) { return bytes.empty() || sink(bytes.data(), bytes.size()); }, out, err);
}

bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& out, std::ostream& err)
{
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    if (!doc.hasData()) return WriteBytesOutput(path, {}, out, err);
    return WriteBytesOutput(path, {doc.storage.data(), count}, out, err);
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
