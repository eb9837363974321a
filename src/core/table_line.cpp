#include "core/table_line.h"

namespace zarvo {

namespace {

[[nodiscard]] bool HasEqualsAt(std::string_view line, std::size_t index)
{
    return line.size() > index && line[index] == '=';
}

[[nodiscard]] int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

TableLineKind ClassifyTableLine(std::string_view line)
{
    if (line.empty()) return TableLineKind::Ignored;
    const char first = line.front();
    if (first == '*' || first == '/' || first == '\\') return TableLineKind::Marker;
    if (HasEqualsAt(line, 2)) return TableLineKind::SingleEntry;
    const bool pairShape = HasEqualsAt(line, 4);
    if (!pairShape) {
        const auto contains = [line](char c) { return line.find(c) != std::string_view::npos; };
        if (first == '(' && contains(')')) return TableLineKind::Bookmark;
        if (first == '[' && contains('-') && contains(']')) return TableLineKind::DumpLabel;
        if (first == '.') return TableLineKind::Directive;
        return TableLineKind::Ignored;
    }
    return TableLineKind::PairEntry;
}

std::optional<uint32_t> ParseHexKey(std::string_view digits)
{
    std::size_t at = 0;
    while (at < digits.size() && (digits[at] == ' ' || digits[at] == '\t')) ++at;
    if (at < digits.size() && digits[at] == '-') return std::nullopt;
    uint32_t value = 0;
    for (; at < digits.size(); ++at) {
        const int digit = HexDigitValue(digits[at]);
        if (digit < 0) break;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

}  // namespace zarvo
