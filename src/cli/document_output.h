#pragma once
// Writing a document's bytes to the output file the command names, for the commands
// that rewrite a ROM (ips apply, snes checksum --fix, resize).

#include "core/document.h"

#include <ostream>
#include <string>

namespace zarvo::cli {

// Writes the header and fileSize bytes of doc to path through a temporary file, so a
// failure leaves no half-written file; on failure writes a message to err.
[[nodiscard]] bool WriteDocumentTo(const DocRecord& doc, const std::string& path, std::ostream& err);

// Flushes a listing printed to out: kDone, or kFailed with a message on err when
// the output could not be written (a full disk, a closed pipe).
[[nodiscard]] int FinishListing(std::ostream& out, std::ostream& err);

// Writes text and a line break to stream: the editor's messages as zarvo-tool prints them.
void PrintLine(std::ostream& stream, const std::string& text);

}  // namespace zarvo::cli
