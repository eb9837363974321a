#include "search/pattern_match.h"

#include "core/search_state.h"

namespace zarvo {

bool PatternMatchesAt(const uint8_t* pattern, const uint8_t* bytes, int32_t length, MatchRule rule)
{
    for (int32_t i = 0; i < length; ++i) {
        if (rule.wildcard && pattern[i] == kWildcardByte) continue;
        const bool same = rule.ignoreCase ? UpperByte(pattern[i]) == UpperByte(bytes[i]) : pattern[i] == bytes[i];
        if (!same) return false;
    }
    return true;
}

}  // namespace zarvo
