#include "script/script_reader.h"

#include "core/hex_text.h"

#include <cctype>

namespace zarvo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

[[nodiscard]] bool IsNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

void SkipBlanks(std::string_view text, std::size_t& at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
}

// A number: "$" then an optional '-' and hexadecimal digits, or an optional '-' and
// decimal digits.
[[nodiscard]] bool ReadNumber(std::string_view text, std::size_t& at, int64_t& value)
{
    const bool hexadecimal = text[at] == '$';
    if (hexadecimal) ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (negative) ++at;
    const std::size_t first = at;
    uint64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = hexadecimal ? HexDigitValue(text[at])
                                      : (std::isdigit(static_cast<unsigned char>(text[at])) ? text[at] - '0' : -1);
        if (digit < 0) break;
        magnitude = magnitude * (hexadecimal ? 16 : 10) + static_cast<uint64_t>(digit);
        if (magnitude > (uint64_t{1} << 40)) return false;
    }
    if (at == first) return false;
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

[[nodiscard]] bool ReadArgument(std::string_view text, std::size_t& at, ScriptArgument& argument)
{
    if (at >= text.size()) return false;
    const char first = text[at];
    if (first == '"') {
        const std::size_t close = text.find('"', at + 1);
        if (close == std::string_view::npos) return false;
        argument = {ScriptArgument::Kind::String, 0, std::string(text.substr(at + 1, close - at - 1))};
        at = close + 1;
        return true;
    }
    if (first == '$' || first == '-' || std::isdigit(static_cast<unsigned char>(first))) {
        argument.kind = ScriptArgument::Kind::Number;
        return ReadNumber(text, at, argument.number);
    }
    const std::size_t start = at;
    while (at < text.size() && IsNameCharacter(text[at])) ++at;
    if (at == start) return false;
    argument = {ScriptArgument::Kind::Name, 0, std::string(text.substr(start, at - start))};
    return true;
}

// "#NAME(args)" and what may follow it: blanks, or a "//" comment.
[[nodiscard]] bool ReadCommand(std::string_view text, ScriptLine& line)
{
    std::size_t at = 1;
    const std::size_t start = at;
    while (at < text.size() && IsNameCharacter(text[at])) ++at;
    if (at == start) return false;
    for (std::size_t i = start; i < at; ++i) line.name += static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    SkipBlanks(text, at);
    if (at >= text.size() || text[at] != '(') return false;
    ++at;
    SkipBlanks(text, at);
    if (at < text.size() && text[at] == ')') {
        ++at;
    } else {
        for (;;) {
            SkipBlanks(text, at);
            ScriptArgument argument;
            if (!ReadArgument(text, at, argument)) return false;
            line.arguments.push_back(std::move(argument));
            SkipBlanks(text, at);
            if (at >= text.size()) return false;
            if (text[at] == ')') {
                ++at;
                break;
            }
            if (text[at] != ',') return false;
            ++at;
        }
    }
    SkipBlanks(text, at);
    return at == text.size() || text.substr(at).starts_with("//");
}

}  // namespace

ScriptReading ReadScript(std::string_view content)
{
    ScriptReading reading;
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    int number = 0;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view text = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        ++number;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (text.starts_with("//")) continue;
        ScriptLine line;
        line.number = number;
        if (text.starts_with("#")) {
            line.command = true;
            if (!ReadCommand(text, line)) {
                reading.errorLine = number;
                reading.error = "this is no command of the form #NAME(arguments): " + std::string(text);
                return reading;
            }
        } else {
            line.text = std::string(text);
        }
        reading.lines.push_back(std::move(line));
    }
    return reading;
}

}  // namespace zarvo
