#include "dump/byte_fill.h"

#include "core/document_edit.h"
#include "core/hex_text.h"
#include "dump/dump_messages.h"
#include "dump/dump_range.h"

#include <algorithm>
#include <utility>

namespace zarvo {

int64_t ReadFillOffset(std::string_view text)
{
    if (!text.empty() && text.front() == '-') return -ReadDialogOffset(text.substr(1));
    return ReadDialogOffset(text);
}

uint8_t ReadFillValue(std::string_view text)
{
    const std::size_t digits = ReadHexPrefix(text).digits;
    // The low byte is the value of the last two digits, however many come before.
    const std::size_t first = digits > 2 ? digits - 2 : 0;
    return static_cast<uint8_t>(ReadHexPrefix(text.substr(first, digits - first)).value);
}

FillResult RunByteFill(DocRecord& doc, const DumpFields& fields)
{
    if (fields.fileName.empty()) return {false, PlainNotice(messages::kFillNoValue)};
    int64_t start = ReadFillOffset(fields.start);
    int64_t end = ReadFillOffset(fields.end);
    if (start < 0 || end < 0) return {false, PlainNotice(messages::kFillInvalidOffset)};
    if (start > doc.viewSize || end > doc.viewSize) return {false, PlainNotice(messages::kFillPastEnd)};
    if (end < start) std::swap(start, end);
    // An end of viewSize itself is allowed: the fill stops before it.
    const int64_t last = std::min<int64_t>(end, int64_t{doc.viewSize} - 1);
    (void)FillBytes(doc, static_cast<int32_t>(start), static_cast<int32_t>(std::max<int64_t>(last - start + 1, 0)),
                    ReadFillValue(fields.fileName));
    return {true, PlainNotice(messages::kFillCompleted)};
}

}  // namespace zarvo
