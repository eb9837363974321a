#include "core/table_key_counter.h"

#include "core/hex_text.h"

#include <cstdio>

namespace zarvo {

namespace {

[[nodiscard]] char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

uint32_t KeyMask(int keyDigits)
{
    if (keyDigits <= 0) return 0;
    if (keyDigits >= kMaxKeyDigits) return 0xFFFFFFFFu;
    return (uint32_t{1} << (4 * keyDigits)) - 1;
}

uint32_t CountKey(uint32_t key, int keyDigits, KeyCounting counting)
{
    const uint32_t mask = KeyMask(keyDigits);
    if (counting == KeyCounting::Normal) return (key + 1) & mask;
    // The written bytes from the left: the leftmost is the lowest and takes the 1.
    const int bytes = keyDigits / 2;
    uint32_t result = key & mask;
    for (int index = 0; index < bytes; ++index) {
        const int shift = 8 * (bytes - 1 - index);
        const uint32_t byte = ((result >> shift) & 0xFF) + 1;
        result = (result & ~(uint32_t{0xFF} << shift)) | ((byte & 0xFF) << shift);
        if (byte <= 0xFF) break;  // no carry into the next written byte
    }
    return result;
}

std::string KeyProposal(uint32_t key, int keyDigits)
{
    char text[16] = {};
    std::snprintf(text, sizeof text, "%0*X=", keyDigits, static_cast<unsigned>(key));
    return text;
}

AddedEntry AddTableEntry(std::string_view typed, KeyCounting counting, KeyCounterState& state)
{
    const std::size_t equals = typed.find('=');
    if (equals == std::string_view::npos) return {std::string(typed), std::nullopt};

    const std::string_view keyPart = typed.substr(0, equals);
    int keyDigits = static_cast<int>(keyPart.size());
    if (keyDigits % 2 != 0) ++keyDigits;
    // No count is defined for such keys: the line goes in as it was typed.
    if (keyPart.empty() || HexDigitValue(keyPart.front()) < 0 || keyDigits > kMaxKeyDigits) {
        return {std::string(typed), std::nullopt};
    }

    uint32_t key = 0;
    for (const char c : keyPart) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        key = key * 16 + static_cast<uint32_t>(digit);
    }

    AddedEntry added;
    added.line.reserve(typed.size() + 1);
    if (keyPart.size() % 2 != 0) added.line += '0';
    for (const char c : keyPart) added.line += UpperAscii(c);
    added.line += typed.substr(equals);

    state.keyDigits = keyDigits;
    state.nextKey = CountKey(key, keyDigits, counting);
    added.proposal = KeyProposal(state.nextKey, keyDigits);
    return added;
}

}  // namespace zarvo
