#pragma once
// Adding a table entry typed as KEY=text and proposing the key of the next one.
// The key part is upper-cased and padded to an even number of digits; the next key
// counts up either normally or in reverse byte order (the first written byte is the
// lowest), wrapping around within the key's width.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

inline constexpr int kMaxKeyDigits = 8;

enum class KeyCounting {
    Normal,   // 8140 -> 8141
    Reverse,  // 8140 -> 8240: the first written byte counts, its carry goes right
};

// What the editor remembers of the last added entry between entries and openings.
struct KeyCounterState {
    int keyDigits = 0;     // digits of the last counted key, always even
    uint32_t nextKey = 0;  // key proposed for the next entry
};

struct AddedEntry {
    std::string line;                     // the line the list gets
    std::optional<std::string> proposal;  // "KEY=" for the next entry; none = the typed text stays
};

// The mask of a key with the given number of digits: 0xFF, 0xFFFF, 0xFFFFFF, 0xFFFFFFFF.
[[nodiscard]] uint32_t KeyMask(int keyDigits);

// The key after key, for a key of keyDigits digits (2, 4, 6 or 8).
[[nodiscard]] uint32_t CountKey(uint32_t key, int keyDigits, KeyCounting counting);

// key as upper-case hexadecimal padded to keyDigits digits, then '='.
[[nodiscard]] std::string KeyProposal(uint32_t key, int keyDigits);

// The Enter of the entry box. A text without '=' is added unchanged and stays; so is
// a key part that starts with no hexadecimal digit or that has more than
// kMaxKeyDigits digits, and state is left alone for them. Otherwise the key part is
// upper-cased, a "0" goes in front of an odd-length key, state takes the key's
// digits and its value (read up to the first character that is not a hexadecimal
// digit) counted once, and the proposal is KeyProposal of the counted key.
[[nodiscard]] AddedEntry AddTableEntry(std::string_view typed, KeyCounting counting, KeyCounterState& state);

}  // namespace zarvo
