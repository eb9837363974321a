#pragma once
// A line of a table file shown as UTF-16 text and written back byte for byte.
// Shift-JIS characters decode through code page 932; a byte that does not start a
// character of its own (a Latin-1 letter, a broken pair, a code whose character
// would be written back as another code) becomes kEscapedByteBase + byte, so lines
// the user never edits are saved exactly as they were read.

#include "core/cp932.h"

#include <string>
#include <string_view>

namespace zarvo {

inline constexpr char16_t kEscapedByteBase = u'\uF700';  // private use, unused by code page 932

[[nodiscard]] std::u16string DecodeTableLine(const Cp932Codec& codec, std::string_view bytes);
// Characters without a Shift-JIS code are written as '?'.
[[nodiscard]] std::string EncodeTableLine(const Cp932Codec& codec, std::u16string_view text);

}  // namespace zarvo
