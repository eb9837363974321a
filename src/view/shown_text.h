#pragma once
// The characters a text cell of the view shows for its bytes, as drawn and as copied.

#include "core/cp932.h"

#include <string>
#include <string_view>

namespace zarvo {

// In the Unicode view the bytes are Shift-JIS. Otherwise each byte is one Latin-1
// character, except in a text that holds a byte Latin-1 has no glyph for (0x80..0x9F,
// control codes) and reads as Shift-JIS from end to end: that is a Japanese table's
// text and shows its kana and kanji.
[[nodiscard]] std::u16string ShownText(std::string_view bytes, bool unicodeView, const Cp932Codec& codec);

// True when ShownText gives the bytes as Latin-1 without decoding anything: outside
// the Unicode view, for a text without a byte 0x80..0x9F.
[[nodiscard]] bool ShownAsLatin1(std::string_view bytes, bool unicodeView);

}  // namespace zarvo
