#pragma once
// The first table made from a relative-search hit ("Create table with Selected
// values"): the byte that stands for 'A' is known, and every printable ASCII
// character keeps its ASCII distance from 'A'.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// The byte for 'A' named by a line: the two characters after "| A=" of a
// relative-search line (a word holding '=' comes before it), else after the line's
// first '=', read as hexadecimal. Nothing for a line without '=' or without a digit
// there (a text-search line).
[[nodiscard]] std::optional<uint8_t> TableValueOfA(std::string_view line);

// The 95 lines "%02X=%c" in byte order k = 0..255, one for each k whose character
// ('A' - valueOfA + k) mod 256 is printable ASCII (0x20..0x7E).
[[nodiscard]] std::vector<std::string> FirstTableLines(uint8_t valueOfA);

// "Create table with Selected values" on the result list in listMode: the lines the
// table editor opens with (its mode 2) for the first selected line; nothing outside
// mode 0, without a selected line, or for a line that names no value.
[[nodiscard]] std::optional<std::vector<std::string>> PreparedTableLines(int32_t listMode,
                                                                         const std::string* selectedLine);

}  // namespace zarvo
