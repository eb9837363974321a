#include "cli/hex_argument.h"

#include "core/hex_text.h"

#include <algorithm>

namespace zarvo::cli {

std::optional<uint32_t> ParseHexArgument(std::string_view option, std::string_view word, const HexLimit& limit,
                                         std::string& error)
{
    const HexReading reading = ReadHexPrefix(word, limit.largest);
    const std::string name(option);
    if (reading.digits == 0 || reading.digits != word.size()) {
        error = name + ": \"" + std::string(word) +
                "\" is not a hexadecimal number (digits 0-9 and A-F only, no prefix or sign)";
        return std::nullopt;
    }
    if (reading.overflow) {
        error = name + ": " + std::string(word) + " is too large: " + limit.why;
        return std::nullopt;
    }
    return static_cast<uint32_t>(reading.value);
}

bool IsHexPatternText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return HexDigitValue(c) >= 0 || c == '*' || c == ' ' || c == '\t'; });
}

}  // namespace zarvo::cli
