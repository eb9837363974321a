#pragma once
// Writing a document's bytes to the output file the command names, for the commands
// that rewrite a ROM (ips apply, snes checksum --fix, resize).

#include "core/document.h"

#include <ostream>
#include <string>

namespace zarvo::cli {

// Writes the header and fileSize bytes of doc to the output path a command names
// ("-" standard output, a FIFO or a character device written directly, a regular file
// replaced through a temporary file so a failure leaves no half-written file); on
// failure writes "zarvo-tool: cannot write PATH: REASON" to err.
[[nodiscard]] bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& err);

// Flushes what was printed to out: kDone, or kFailed with a message naming the
// system's reason on err when it could not be written (a full disk, a closed output).
[[nodiscard]] int FinishListing(std::ostream& out, std::ostream& err);

// Writes "zarvo-tool: " and text and a line break to err.
void PrintFailure(std::ostream& err, const std::string& text);

// Writes text and a line break to stream: the editor's messages as zarvo-tool prints them.
void PrintLine(std::ostream& stream, const std::string& text);

}  // namespace zarvo::cli
