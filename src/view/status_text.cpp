#include "view/status_text.h"

#include "view/offset_form.h"

#include <string_view>

namespace zarvo {

namespace {

[[nodiscard]] std::string Labelled(std::string_view label, std::string_view value)
{
    std::string text;
    text.reserve(label.size() + value.size());
    text.append(label).append(value);
    return text;
}

}  // namespace

std::array<std::string, 5> StatusTexts(uint8_t value, int32_t cursorOffset)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    char binary[8];
    for (int bit = 0; bit < 8; ++bit) {
        binary[7 - bit] = ((value >> bit) & 1) != 0 ? '1' : '0';
    }
    const char hex[2] = {kDigits[value >> 4], kDigits[value & 0xF]};
    return {
        Labelled("Decimal: ", std::to_string(value)),
        Labelled("Hexdecimal: ", {hex, 2}),
        Labelled("Binary: ", {binary, 8}),
        Labelled("Decimal Offset: ", std::to_string(cursorOffset)),
        Labelled("Hexdecimal Ofset: ", OffsetText(cursorOffset, OffsetMode::Standard)),
    };
}

}  // namespace zarvo
