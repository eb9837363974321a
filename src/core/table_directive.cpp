#include "core/table_directive.h"

#include <array>
#include <cctype>

namespace zarvo {

namespace {

[[nodiscard]] bool IsBlank(char c) { return c == ' ' || c == '\t'; }

[[nodiscard]] bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

[[nodiscard]] bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// Names are tested on the first word. .code, .dual, .multicode and .nontbl exclude
// one another in that order; the dump templates are tested on their own.
[[nodiscard]] DirectiveName NameOf(std::string_view word)
{
    if (StartsWithIgnoringCase(word, ".code")) return DirectiveName::Code;
    if (StartsWithIgnoringCase(word, ".dual")) return DirectiveName::Dual;
    if (StartsWithIgnoringCase(word, ".multicode")) return DirectiveName::Multicode;
    if (EqualsIgnoringCase(word, ".nontbl")) return DirectiveName::Nontbl;
    if (StartsWithIgnoringCase(word, ".startdump")) return DirectiveName::StartDump;
    if (StartsWithIgnoringCase(word, ".enddump")) return DirectiveName::EndDump;
    return DirectiveName::Other;
}

// The first three blank-separated words of the line.
[[nodiscard]] std::array<std::string_view, 3> FirstWords(std::string_view line)
{
    std::array<std::string_view, 3> words;
    std::size_t at = 0;
    for (auto& word : words) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        const std::size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) ++at;
        word = line.substr(start, at - start);
    }
    return words;
}

}  // namespace

std::optional<uint32_t> ParseDirectiveNumber(std::string_view word)
{
    uint32_t base = 10;
    if (!word.empty() && word.front() == '$') {
        base = 16;
        word.remove_prefix(1);
    }
    uint32_t value = 0;
    std::size_t digits = 0;
    for (const char c : word) {
        const auto u = static_cast<unsigned char>(c);
        uint32_t digit = 0;
        if (std::isdigit(u)) {
            digit = static_cast<uint32_t>(u - '0');
        } else if (base == 16 && std::isxdigit(u)) {
            digit = static_cast<uint32_t>(std::tolower(u) - 'a' + 10);
        } else {
            break;
        }
        value = value * base + digit;  // unsigned: wraps, never overflows
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

std::string_view QuotedPart(std::string_view line)
{
    const std::size_t open = line.find('"');
    if (open == std::string_view::npos) return line;
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string_view::npos) return line.substr(open + 1);
    return line.substr(open + 1, close - open - 1);
}

DirectiveLine ParseDirectiveLine(std::string_view original)
{
    std::string line(original);
    // ".code=$80" and ".code $80" are the same line.
    if (const std::size_t equals = line.find('='); equals != std::string::npos) line[equals] = ' ';

    DirectiveLine directive;
    const auto words = FirstWords(line);
    directive.name = NameOf(words[0]);
    directive.argument = ParseDirectiveNumber(words[1]);
    directive.count = ParseDirectiveNumber(words[2]).value_or(0);

    const std::string_view view(line);
    const std::string_view quoted = QuotedPart(view);
    directive.text = std::string(quoted);
    const std::size_t afterQuoted = static_cast<std::size_t>(quoted.data() - view.data()) + quoted.size();
    // quoted ends at the closing quote when there is one.
    directive.continues = afterQuoted + 1 < view.size() && view[afterQuoted] == '"' && view[afterQuoted + 1] == ',';
    return directive;
}

}  // namespace zarvo
