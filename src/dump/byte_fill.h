#pragma once
// Byte fill: every byte of an offset range set to one value. The dump dialog's
// boxes hold the start, the end (included) and the value, all hexadecimal.

#include "core/document.h"
#include "dump/dump_file.h"
#include "dump/dump_notice.h"

#include <cstdint>
#include <string_view>

namespace zarvo {

// A fill offset: hexadecimal digits up to the first other character (none = 0); a
// leading '-' (only a pasted text has one) makes it negative.
[[nodiscard]] int64_t ReadFillOffset(std::string_view text);
// The fill value: the low byte of the leading hexadecimal digits (1FF gives FF).
[[nodiscard]] uint8_t ReadFillValue(std::string_view text);

struct FillResult {
    bool filled = false;  // false: the fill stays started
    Notice notice;        // the refusal, or "BYTE Fill completed!"
};

// Fills from fields.start to fields.end with fields.fileName's value, in either
// order, stopping before viewSize. Refused without a value, with a negative offset,
// or with one past viewSize; the document is then unchanged.
[[nodiscard]] FillResult RunByteFill(DocRecord& doc, const DumpFields& fields);

}  // namespace zarvo
