#pragma once
// Where a command's -o output goes: "-" is standard output; an existing FIFO or
// character device is written to directly; any other path is written beside its
// target and takes its place only when complete.

#include "core/document.h"
#include "core/document_file.h"

#include <functional>
#include <ostream>
#include <string>

namespace zarvo::cli {

using OutputProducer = std::function<bool(const ByteSink&)>;

// Hands produce a sink to the output named by path (out for "-") and finishes it.
[[nodiscard]] SaveError WriteOutput(const std::string& path, const OutputProducer& produce, std::ostream& out);

// The document's header and fileSize bytes to path, as Save writes them; on failure
// a message goes to err.
[[nodiscard]] bool WriteDocumentOutput(const DocRecord& doc, const std::string& path, std::ostream& out,
                                       std::ostream& err);

}  // namespace zarvo::cli
