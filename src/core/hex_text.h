#pragma once
// Hexadecimal text as the program reads and writes it. Offsets and values typed by
// the user are read up to the first character that is not a hexadecimal digit;
// numbers are shown in upper case, padded with zeros ("%0*X").

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

// 0..15 for '0'-'9', 'A'-'F', 'a'-'f'; -1 for anything else.
[[nodiscard]] int HexDigitValue(char c);

struct HexReading {
    uint64_t value = 0;      // the digits read; meaningless when overflow is set
    std::size_t digits = 0;  // how many leading characters were hexadecimal digits
    bool overflow = false;   // the digits stand for more than the limit given
};

// Reads the leading hexadecimal digits of text (none is a reading of 0 digits).
[[nodiscard]] HexReading ReadHexPrefix(std::string_view text, uint64_t limit = UINT32_MAX);

// A 32-bit signed offset read with the stop rule; nothing when text does not begin
// with a digit or the digits exceed 0x7FFFFFFF.
[[nodiscard]] std::optional<int32_t> ParseHexOffset(std::string_view text);

// value as at least width upper-case digits ("%0*X"); width 0 gives no padding.
[[nodiscard]] std::string FormatHex(uint32_t value, int width);
// The same digits added to the end of out.
void AppendHex(std::string& out, uint32_t value, int width);
// A signed number as digits with '-' in front when negative ("-A000"), no padding.
[[nodiscard]] std::string FormatSignedHex(int64_t value);

}  // namespace zarvo
