#pragma once
// Writing a document's bytes to the output file the command names, for the commands
// that rewrite a ROM (ips apply, snes checksum --fix, resize).

#include "core/document.h"
#include "core/output_file.h"

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace zarvo::cli {

enum class OutputResult {
    Written,
    WriteFailed,    // "zarvo-tool: cannot write PATH: REASON" went to err
    ContentFailed,  // produce gave up without a failed write; it tells why, nothing was printed
};

// "-" given to -o: the command's file goes to standard output.
[[nodiscard]] bool IsStandardOutput(std::string_view path);
// Where a command prints its report: err when its file goes to standard output, else out.
[[nodiscard]] std::ostream& ReportStream(std::string_view outputPath, std::ostream& out, std::ostream& err);

// Writes what produce hands to its sink to the output path a command names: "-" is
// out (standard output), a FIFO or a character device is written directly, a regular
// file is replaced through a temporary file so a failure leaves no half-written file.
// followDisk pushes a regular file to the disk as it is written (for long outputs
// that show progress).
[[nodiscard]] OutputResult WriteCommandOutputResult(const std::string& path, const ContentProducer& produce,
                                                    std::ostream& out, std::ostream& err, bool followDisk = false);
// The same for content that cannot fail to be made: true when written.
[[nodiscard]] bool WriteCommandOutput(const std::string& path, const ContentProducer& produce, std::ostream& out,
                                      std::ostream& err);
// bytes, written that way.
[[nodiscard]] bool WriteBytesOutput(const std::string& path, std::span<const uint8_t> bytes, std::ostream& out,
                                    std::ostream& err);
// The header and fileSize bytes of doc, written that way.
[[nodiscard]] bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& out, std::ostream& err);

// Flushes what was printed to out: kDone, or kFailed with a message naming the
// system's reason on err when it could not be written (a full disk, a closed output).
[[nodiscard]] int FinishListing(std::ostream& out, std::ostream& err);

// Writes "zarvo-tool: " and text and a line break to err.
void PrintFailure(std::ostream& err, const std::string& text);

// Writes text and a line break to stream: the editor's messages as zarvo-tool prints them.
void PrintLine(std::ostream& stream, const std::string& text);

}  // namespace zarvo::cli
