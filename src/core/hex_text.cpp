#include "core/hex_text.h"

#include <cstdint>
#include <cstdio>

namespace zarvo {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

HexReading ReadHexPrefix(std::string_view text, uint64_t limit)
{
    HexReading reading;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        ++reading.digits;
        if (reading.overflow) continue;
        // Leading zeros never overflow, however many there are.
        const auto digitValue = static_cast<uint64_t>(digit);
        if (digitValue > limit || reading.value > (limit - digitValue) / 16) {
            reading.overflow = true;
            continue;
        }
        reading.value = reading.value * 16 + digitValue;
    }
    return reading;
}

std::optional<int32_t> ParseHexOffset(std::string_view text)
{
    const HexReading reading = ReadHexPrefix(text, INT32_MAX);
    if (reading.digits == 0 || reading.overflow) return std::nullopt;
    return static_cast<int32_t>(reading.value);
}

void AppendHex(std::string& out, uint32_t value, int width)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    for (int pad = count; pad < width; ++pad) out += '0';
    while (count > 0) out += digits[--count];
}

std::string FormatHex(uint32_t value, int width)
{
    std::string text;
    AppendHex(text, value, width);
    return text;
}

std::string FormatSignedHex(int64_t value)
{
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char text[24];
    std::snprintf(text, sizeof text, "%s%llX", value < 0 ? "-" : "", static_cast<unsigned long long>(magnitude));
    return text;
}

}  // namespace zarvo
