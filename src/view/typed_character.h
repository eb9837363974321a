#pragma once
// What a typed character writes into a document. Typing at the cursor, a pasted text
// and the keys that keep a half-typed byte all follow these rules.

#include "core/session.h"
#include "core/table.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zarvo {

// Hexadecimal input: true for a key code that types a digit ('0'-'9', 'A'-'F'; letters
// also lower-case), which keeps a half-typed byte waiting for its second digit.
[[nodiscard]] bool TypesHexDigit(int keyCode);

// Text input: the bytes a character (in the table's encoding) stands for.
struct TypedCode {
    std::array<uint8_t, 2> bytes{};
    int length = 0;  // 1: a single entry, 2: a two-byte entry (high byte first), 0: none
};

// The lowest byte whose single entry is the character; else, unless D_MBE is checked,
// the lowest two-byte entry; else nothing. DTE joining is typing's alone.
[[nodiscard]] TypedCode CodeForTypedCharacter(const TableData& table, const InputSwitches& input,
                                              std::string_view character);

}  // namespace zarvo
