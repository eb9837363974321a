#include "core/table_line.h"

#include "core/hex_text.h"

namespace zarvo {

namespace {

[[nodiscard]] bool HasEqualsAt(std::string_view line, std::size_t index)
{
    return line.size() > index && line[index] == '=';
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

std::optional<uint32_t> ParseMarkerValue(std::string_view digits)
{
    std::size_t at = 0;
    while (at < digits.size() && (digits[at] == ' ' || digits[at] == '\t')) ++at;
    const std::size_t first = at;
    uint32_t value = 0;
    for (; at < digits.size(); ++at) {
        const int digit = HexDigitValue(digits[at]);
        if (digit < 0) break;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    if (at == first) return std::nullopt;
    return value;
}

std::optional<uint32_t> ParseEntryKey(std::string_view digits)
{
    if (digits.empty()) return std::nullopt;
    uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

}  // namespace zarvo
