#include "dump/code_to_text.h"

#include "core/hex_text.h"

#include <array>
#include <cctype>

namespace zarvo {

namespace {

enum class Variable { Offset, DumpSize, RomName, TableName, StartOffset, EndOffset };

struct VariableName {
    std::string_view name;
    Variable variable;
};

// In the order they are tried.
constexpr std::array<VariableName, 6> kVariables = {{
    {"%offset", Variable::Offset},
    {"%dumpsize", Variable::DumpSize},
    {"%romname", Variable::RomName},
    {"%tblname", Variable::TableName},
    {"%startofs", Variable::StartOffset},
    {"%endofs", Variable::EndOffset},
}};

[[nodiscard]] bool StartsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    }
    return true;
}

[[nodiscard]] std::string Hex8(int64_t value) { return FormatHex(static_cast<uint32_t>(value), 8); }

[[nodiscard]] std::string ValueOf(Variable variable, const DumpContext& context, int64_t position)
{
    switch (variable) {
    case Variable::Offset:
        return Hex8(context.start + position);
    case Variable::DumpSize:
        return NumberWithCommas(context.size);
    case Variable::RomName:
        return std::string(context.romName);
    case Variable::TableName:
        return std::string(context.tableName);
    case Variable::StartOffset:
        return Hex8(context.start);
    case Variable::EndOffset:
        return Hex8(context.end);
    }
    return {};
}

void AppendCapped(std::string& out, std::string_view part)
{
    const std::size_t room = kExpandedTextLimit - out.size();
    out.append(part.substr(0, room));
}

}  // namespace

std::string CodeToText(std::string_view text, const DumpContext& context, int64_t position)
{
    std::string out;
    std::size_t at = 0;
    while (at < text.size() && out.size() < kExpandedTextLimit) {
        const char c = text[at];
        if (c == '\\' && at + 1 < text.size()) {
            const auto escape = std::tolower(static_cast<unsigned char>(text[at + 1]));
            if (escape == 'n' || escape == 't') {
                out += escape == 'n' ? '\n' : '\t';
                at += 2;
                continue;
            }
        }
        if (c == '%') {
            bool replaced = false;
            for (const auto& [name, variable] : kVariables) {
                if (!StartsWithIgnoringCase(text, at, name)) continue;
                AppendCapped(out, ValueOf(variable, context, position));
                at += name.size();
                replaced = true;
                break;
            }
            if (replaced) continue;
        }
        out += c;
        ++at;
    }
    return out;
}

bool DependsOnPosition(std::string_view text)
{
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (StartsWithIgnoringCase(text, at, kVariables[0].name)) return true;
    }
    return false;
}

std::string NumberWithCommas(int64_t n)
{
    const bool negative = n < 0;
    // Digits of the magnitude, lowest first; unsigned so that INT64_MIN has one.
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    std::string reversed;
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            reversed += ',';
            inGroup = 0;
        }
        reversed += static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++inGroup;
    } while (magnitude != 0);
    if (negative) reversed += '-';
    return {reversed.rbegin(), reversed.rend()};
}

}  // namespace zarvo
