#include "core/shift_jis_line.h"

#include <cstdint>

namespace zarvo {

namespace {

[[nodiscard]] bool IsLeadByte(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

[[nodiscard]] bool IsHalfWidthKana(uint8_t byte) { return byte >= 0xA1 && byte <= 0xDF; }

[[nodiscard]] bool IsEscape(char16_t unit) { return unit >= kEscapedByteBase && unit <= kEscapedByteBase + 0xFF; }

// The one character of code, when it is written back as the same code.
[[nodiscard]] bool DecodeExactly(const Cp932Codec& codec, std::string_view code, char16_t& character)
{
    const std::u16string decoded = codec.decode(code);
    if (decoded.size() != 1 || IsEscape(decoded.front())) return false;
    if (codec.encode(decoded) != code) return false;
    character = decoded.front();
    return true;
}

}  // namespace

std::u16string DecodeTableLine(const Cp932Codec& codec, std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t index = 0;
    while (index < bytes.size()) {
        const auto byte = static_cast<uint8_t>(bytes[index]);
        if (byte < 0x80) {
            text += static_cast<char16_t>(byte);
            ++index;
            continue;
        }
        char16_t character = 0;
        if (IsLeadByte(byte) && index + 1 < bytes.size() && DecodeExactly(codec, bytes.substr(index, 2), character)) {
            text += character;
            index += 2;
            continue;
        }
        if (IsHalfWidthKana(byte) && DecodeExactly(codec, bytes.substr(index, 1), character)) {
            text += character;
            ++index;
            continue;
        }
        text += static_cast<char16_t>(kEscapedByteBase + byte);
        ++index;
    }
    return text;
}

std::string EncodeTableLine(const Cp932Codec& codec, std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    std::size_t index = 0;
    while (index < text.size()) {
        const char16_t unit = text[index];
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
            ++index;
            continue;
        }
        if (IsEscape(unit)) {
            bytes += static_cast<char>(unit - kEscapedByteBase);
            ++index;
            continue;
        }
        // A surrogate pair is one character; no Shift-JIS code has one.
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && index + 1 < text.size() && text[index + 1] >= 0xDC00 &&
                          text[index + 1] <= 0xDFFF;
        const std::size_t units = pair ? 2 : 1;
        const std::string code = pair ? std::string() : codec.encode(text.substr(index, 1));
        bytes += code.empty() ? std::string("?") : code;
        index += units;
    }
    return bytes;
}

}  // namespace zarvo
