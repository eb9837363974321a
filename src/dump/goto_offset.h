#pragma once
// The Goto dialog: where Goto Offset and Jump Offset List put the cursor, and which
// typed keys its boxes and the dump dialog's offset boxes take.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zarvo {

// Goto Offset: the text read in base 16 (hexadecimal) or 10 up to its first
// character that is not a digit of that base; a number past viewSize becomes
// viewSize - 256. Nothing for an empty text.
[[nodiscard]] std::optional<int32_t> GotoOffsetTarget(std::string_view text, bool hexadecimal, int32_t viewSize);

// Jump Offset List: the hexadecimal number after the first '[' of a "name->[OFFSET]"
// entry; past viewSize it becomes viewSize - pageBytes. Nothing without a '['.
[[nodiscard]] std::optional<int32_t> JumpListTarget(std::string_view entry, int32_t viewSize, int32_t pageBytes);

// The character a typed key puts into the Goto box, or 0 when the key is dropped:
// hexadecimal digits (letters in upper case) or decimal digits; Backspace passes.
[[nodiscard]] char GotoKeyFilter(char key, bool hexadecimal);

// The same for the dump dialog's start and end boxes, which take hexadecimal only.
[[nodiscard]] char OffsetBoxKeyFilter(char key);

}  // namespace zarvo
