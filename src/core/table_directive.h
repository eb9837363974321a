#pragma once
// A directive line of a table file (.code, .dual, .multicode, .nontbl, .startdump,
// .enddump) taken apart: the first '=' of the line counts as a blank, words are
// split at blanks, the text is the part between the first two double quotes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

enum class DirectiveName {
    Other,      // not a directive the table knows
    Code,       // ".code" prefix
    Dual,       // ".dual" prefix
    Multicode,  // ".multicode" prefix
    Nontbl,     // exactly ".nontbl"
    StartDump,  // ".startdump" prefix
    EndDump,    // ".enddump" prefix
};

struct DirectiveLine {
    DirectiveName name = DirectiveName::Other;
    std::optional<uint32_t> argument;  // second word; nothing when it holds no number
    uint32_t count = 0;                // third word (.multicode parameter count), 0 when none
    std::string text;                  // the quoted part
    bool continues = false;            // a ',' follows the closing quote
};

[[nodiscard]] DirectiveLine ParseDirectiveLine(std::string_view line);

// "$" + hexadecimal digits, or decimal digits, read up to the first other
// character; nothing without a digit or with a sign. Wraps at 32 bits.
[[nodiscard]] std::optional<uint32_t> ParseDirectiveNumber(std::string_view word);

// The part between the first double quote and the next one; the rest of the line
// when the closing quote is missing; the whole line when it holds no quote.
[[nodiscard]] std::string_view QuotedPart(std::string_view line);

}  // namespace zarvo
