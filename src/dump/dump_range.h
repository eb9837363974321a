#pragma once
// The offset range of a dump, from the dialog's start and end boxes. Both boxes are
// read as hexadecimal up to their first other character (empty = 0); the size is
// end - start + 1, and a range reaching viewSize is cut at fileSize. The two dumps
// test the same conditions in different orders and say different things.

#include "core/document.h"

#include <cstdint>
#include <string_view>

namespace zarvo {

enum class DumpKind { Binary, Text };

enum class RangeError {
    None,
    StartAfterEnd,   // binary dump: the end lies before the start
    SizeBelowZero,   // the range starts past fileSize and reaches viewSize
    EndBeforeStart,  // text dump: the end lies before the start
};

struct DumpRange {
    int64_t start = 0;  // as typed, 0 .. 0xFFFFFFFF
    int64_t end = 0;    // as typed, before the cut (%endofs shows it)
    int64_t size = 0;   // bytes dumped, after the cut
};

struct RangeCheck {
    RangeError error = RangeError::None;
    DumpRange range;
};

// A dialog box's offset: leading hexadecimal digits, at most 32 bits of them
// (more digits keep the lowest 32 bits, as the 8-character box never holds them).
[[nodiscard]] int64_t ReadDialogOffset(std::string_view text);

// The range of a dump of doc; when error is None, bytes start .. start + size - 1
// all lie inside the document's buffer.
[[nodiscard]] RangeCheck CheckDumpRange(DumpKind kind, std::string_view startText, std::string_view endText,
                                        const DocRecord& doc);

// The plain message of a refused range.
[[nodiscard]] const char* RangeErrorText(RangeError error);

}  // namespace zarvo
