#pragma once
// The match rule of the searches. Case folding works on the byte values, as if the
// table were ASCII: only 'a'..'z' change.

#include <cstdint>

namespace zarvo {

struct MatchRule {
    bool ignoreCase = false;  // IgCase
    bool wildcard = false;    // WildCrd: a pattern byte 0x2A matches any byte
};

[[nodiscard]] constexpr uint8_t UpperByte(uint8_t byte)
{
    return byte >= 'a' && byte <= 'z' ? static_cast<uint8_t>(byte - 'a' + 'A') : byte;
}

// True when bytes[0 .. length) equal pattern[0 .. length) under the rule, pattern
// bytes 0x2A skipped when the rule has wildcards (the first one too).
[[nodiscard]] bool PatternMatchesAt(const uint8_t* pattern, const uint8_t* bytes, int32_t length, MatchRule rule);

}  // namespace zarvo
