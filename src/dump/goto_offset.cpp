#include "dump/goto_offset.h"

#include "core/hex_text.h"

#include <algorithm>

namespace zarvo {

namespace {

constexpr char kBackspace = '\b';
constexpr int64_t kSaturated = int64_t{1} << 40;  // far past any buffer

// The leading digits of text in base 16 or 10, stopped from growing once far too large.
[[nodiscard]] int64_t ReadLeadingNumber(std::string_view text, int base)
{
    if (base == 16) {
        const HexReading reading = ReadHexPrefix(text, kSaturated);
        return reading.overflow ? kSaturated : static_cast<int64_t>(reading.value);
    }
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), kSaturated);
    }
    return value;
}

}  // namespace

std::optional<int32_t> GotoOffsetTarget(std::string_view text, bool hexadecimal, int32_t viewSize)
{
    if (text.empty()) return std::nullopt;
    const int64_t number = ReadLeadingNumber(text, hexadecimal ? 16 : 10);
    if (number > viewSize) return std::max(viewSize - 256, 0);
    return static_cast<int32_t>(number);
}

std::optional<int32_t> JumpListTarget(std::string_view entry, int32_t viewSize, int32_t pageBytes)
{
    const std::size_t open = entry.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    const int64_t offset = ReadLeadingNumber(entry.substr(open + 1), 16);
    if (offset > viewSize) return std::max(viewSize - pageBytes, 0);
    return static_cast<int32_t>(offset);
}

char GotoKeyFilter(char key, bool hexadecimal)
{
    if (key == kBackspace) return key;
    if (!hexadecimal) return key >= '0' && key <= '9' ? key : 0;
    return OffsetBoxKeyFilter(key);
}

char OffsetBoxKeyFilter(char key)
{
    if (key == kBackspace) return key;
    if (HexDigitValue(key) < 0) return 0;
    return key >= 'a' && key <= 'f' ? static_cast<char>(key - 'a' + 'A') : key;
}

}  // namespace zarvo
