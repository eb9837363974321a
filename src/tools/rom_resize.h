#pragma once
// Changing a ROM's size: the units of the size dialog, its texts, and cutting or
// extending the document in memory (new bytes are 0xFF).

#include "core/document.h"
#include "core/session.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

// The codes are the ones the dialog keeps in its Done button's tag.
enum class SizeUnit { Bytes = 0, MegaBits = 1, MegaBytes = 2 };

// "Size of ROM: %d BYTES" and its kin, the length rounded down to whole units.
[[nodiscard]] std::string CurrentSizeText(int32_t length, SizeUnit unit);
// "BYTES", "Mega-BITS", "Mega-BYTES": the radio buttons.
[[nodiscard]] const char* UnitCaption(SizeUnit unit);
// "BYTE(S)", "Mega-BIT(S)", "Mega-BYTE(S)": the unit in the question and the result.
[[nodiscard]] const char* UnitName(SizeUnit unit);

// A decimal entry read up to its first character that is not a digit; nothing when
// it holds no digit. Very long numbers stop growing once they are far too large.
[[nodiscard]] std::optional<int64_t> ReadSizeEntry(std::string_view text);

// count units plus header bytes, or nothing when that does not fit in 31 bits.
[[nodiscard]] std::optional<int32_t> NewRomLength(int64_t count, SizeUnit unit, int64_t header);

// What Done makes of the dialog's entries, before its question.
struct ResizePlan {
    const char* refusal = nullptr;  // no size entered, or one too large: show it and stop
    bool headerMissing = false;     // "Add Header" checked with an empty field: warn, go on with 0
    int64_t count = 0;              // the entered number, as the messages show it
    int32_t length = 0;             // the new size in bytes
};
[[nodiscard]] ResizePlan PlanResize(std::string_view sizeEntry, SizeUnit unit, bool addHeader,
                                    std::string_view headerEntry);

// "Expand the ROM to %2d %s?" and "Rom expanded to %d %s!\nSave ROM to save all changes."
[[nodiscard]] std::string ResizeQuestionText(int64_t count, SizeUnit unit);
[[nodiscard]] std::string ResizeDoneText(int64_t count, SizeUnit unit);

// Cuts or extends the document to length bytes, filling new bytes with 0xFF, and
// marks it modified; the cursor stays inside. False, with the document unchanged,
// when the memory cannot be had.
[[nodiscard]] bool ResizeDocument(DocRecord& doc, int32_t length, const ViewState& view);

}  // namespace zarvo
