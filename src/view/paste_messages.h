#pragma once
// The texts a paste shows. The numbers are filled in as printf fills them.

namespace zarvo::messages {

inline constexpr const char* kPasteEmpty = "Nothing was pasted: the clipboard holds no text.";
// The position of the first character that does not fit, counted from 1.
inline constexpr const char* kPasteNotHex =
    "Nothing was pasted: the clipboard text is not hexadecimal bytes (pairs of digits such as \"41 42 43\"); "
    "character %d does not fit.";
// The position of the character, counted from 1, and the character.
inline constexpr const char* kPasteNoTableCode =
    "Nothing was pasted: character %d (\"%s\") of the clipboard text cannot be typed with the table.";
inline constexpr const char* kPastePastTheData = "Nothing was pasted: the cursor lies past the end of the data.";
// Bytes written, and bytes the clipboard held.
inline constexpr const char* kPasteCut = "%d of %d bytes were pasted: the rest would lie past the end of the data.";

}  // namespace zarvo::messages
