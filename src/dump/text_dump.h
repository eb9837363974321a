#pragma once
// The text dump: the header, every byte of a range translated through the table by
// the first rule that applies (.dual, .code, .multicode, two-byte entry, single
// entry, .nontbl form, line mark, end mark, "($XX)"), and the footer. The output is
// streamed; table texts are written as they stand.

#include "core/document_file.h"
#include "core/table.h"
#include "dump/code_to_text.h"

#include <cstdint>
#include <functional>
#include <span>

namespace zarvo {

// Writes the dump of bytes (the dumped range, context.size bytes long) to sink.
// False when the sink refused a write.
// progress, when given, hears how many of the bytes are done every MiB or so.
[[nodiscard]] bool WriteTextDump(std::span<const uint8_t> bytes, const TableData& table, const DumpContext& context,
                                 const ByteSink& sink, const std::function<void(int64_t done, int64_t total)>& progress = {});

}  // namespace zarvo
