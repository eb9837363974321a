#include "search/relative_table.h"

#include "core/hex_text.h"

namespace zarvo {

namespace {

constexpr std::string_view kRelativeValueMark = "| A=";  // what a relative-search line holds before the value

}  // namespace

std::optional<uint8_t> TableValueOfA(std::string_view line)
{
    std::size_t digits = line.rfind(kRelativeValueMark);
    if (digits != std::string_view::npos) {
        digits += kRelativeValueMark.size();
    } else {
        digits = line.find('=');
        if (digits == std::string_view::npos) return std::nullopt;
        ++digits;
    }
    const HexReading reading = ReadHexPrefix(line.substr(digits, 2));
    if (reading.digits == 0) return std::nullopt;
    return static_cast<uint8_t>(reading.value);
}

std::vector<std::string> FirstTableLines(uint8_t valueOfA)
{
    std::vector<std::string> lines;
    const auto base = static_cast<uint8_t>('A' - valueOfA);
    for (int key = 0; key < 256; ++key) {
        const auto character = static_cast<uint8_t>(base + key);
        if (character < 0x20 || character > 0x7E) continue;
        std::string line = FormatHex(static_cast<uint32_t>(key), 2);
        line += '=';
        line += static_cast<char>(character);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::vector<std::string>> PreparedTableLines(int32_t listMode, const std::string* selectedLine)
{
    if (listMode != 0 || selectedLine == nullptr) return std::nullopt;
    const std::optional<uint8_t> valueOfA = TableValueOfA(*selectedLine);
    if (!valueOfA) return std::nullopt;
    return FirstTableLines(*valueOfA);
}

}  // namespace zarvo
