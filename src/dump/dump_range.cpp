#include "dump/dump_range.h"

#include "core/hex_text.h"
#include "dump/dump_messages.h"

namespace zarvo {

int64_t ReadDialogOffset(std::string_view text)
{
    const HexReading reading = ReadHexPrefix(text, UINT32_MAX);
    return reading.overflow ? int64_t{UINT32_MAX} : static_cast<int64_t>(reading.value);
}

RangeCheck CheckDumpRange(DumpKind kind, std::string_view startText, std::string_view endText, const DocRecord& doc)
{
    RangeCheck check;
    DumpRange& range = check.range;
    range.start = ReadDialogOffset(startText);
    range.end = ReadDialogOffset(endText);
    range.size = range.end - range.start + 1;

    if (kind == DumpKind::Binary && range.size < 0) {
        check.error = RangeError::StartAfterEnd;
        return check;
    }
    // A range that reaches the end of the buffer stops at the end of the file; one
    // that ends inside the buffer keeps whatever the buffer holds past fileSize.
    if (range.start + range.size >= doc.viewSize) {
        range.size = int64_t{doc.fileSize} - range.start;
        if (range.size < 0) {
            check.error = RangeError::SizeBelowZero;
            return check;
        }
    }
    if (range.size < 0) check.error = RangeError::EndBeforeStart;  // only the text dump gets here
    return check;
}

const char* RangeErrorText(RangeError error)
{
    switch (error) {
    case RangeError::None:
        return "";
    case RangeError::StartAfterEnd:
        return messages::kStartAfterEnd;
    case RangeError::SizeBelowZero:
        return messages::kSizeBelowZero;
    case RangeError::EndBeforeStart:
        return messages::kEndBeforeStart;
    }
    return "";
}

}  // namespace zarvo
