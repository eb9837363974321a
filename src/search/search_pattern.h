#pragma once
// The byte patterns of the searches: a typed text through the table, hexadecimal
// pairs, kana through the table, and the pattern of a relative search for one base
// value. A pattern never exceeds the kSearchPatternBytes of searchPattern.

#include "core/notice.h"
#include "core/search_state.h"
#include "core/table.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace zarvo {

enum class PatternError {
    None,
    NothingToSearch,     // an empty text, or one of which no character has an entry
    HexMissingDigit,     // a hexadecimal text of odd length
    WildCardNotEnabled,  // a hexadecimal pair starting with '*' while WildCrd is unchecked
    TooLong,             // more bytes than searchPattern holds
};

struct SearchPattern {
    PatternError error = PatternError::None;
    std::array<uint8_t, kSearchPatternBytes + 1> bytes{};  // zero after the pattern
    int32_t length = 0;

    [[nodiscard]] std::span<const uint8_t> view() const { return {bytes.data(), static_cast<std::size_t>(length)}; }
};

// Text search: each byte of text (upper-cased first with ignoreCase, ASCII letters
// only) becomes 0x2A when wildcard is set and it is '*', else the lowest byte whose
// single entry is exactly that character, else the lowest pair key (high byte first);
// a character without an entry is left out.
[[nodiscard]] SearchPattern BuildTextPattern(const TableData& table, std::string_view text, bool ignoreCase,
                                             bool wildcard);

// Hexadecimal search: every two characters give one byte, read with the stop rule
// (so "1." gives 1 and ".." gives 0); a pair starting with '*' is the wildcard 0x2A,
// refused unless wildcard is set. Blanks, tabs and line ends may stand between
// pairs ("8B A8 AD AA"); a pair begins at the first character that is not one.
[[nodiscard]] SearchPattern BuildHexPattern(std::string_view text, bool wildcard);

// Kana search: text in two-byte steps; "**" gives 0x2A, else the lowest single byte
// whose entry begins with the two bytes, else the lowest such pair key; characters
// without an entry are left out.
[[nodiscard]] SearchPattern BuildKanaPattern(const TableData& table, std::string_view text);

// The relative pattern for base: base, then base + word[i] - word[0] (mod 256).
// The word holds 1 .. kRelativeWordLength bytes.
[[nodiscard]] SearchPattern BuildRelativePattern(std::string_view word, uint8_t base);

// The message box of a refused pattern (no text for None).
[[nodiscard]] Notice PatternErrorNotice(PatternError error);

}  // namespace zarvo
