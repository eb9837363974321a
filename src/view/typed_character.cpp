#include "view/typed_character.h"

#include "core/hex_text.h"

namespace zarvo {

bool TypesHexDigit(int keyCode) { return keyCode > 0 && keyCode < 0x80 && HexDigitValue(static_cast<char>(keyCode)) >= 0; }

TypedCode CodeForTypedCharacter(const TableData& table, const InputSwitches& input, std::string_view character)
{
    TypedCode code;
    if (character.empty()) return code;
    if (const int single = FindSingle(table, character, FindMode::Exact); single >= 0) {
        code.bytes[0] = static_cast<uint8_t>(single);
        code.length = 1;
        return code;
    }
    if (input.D_MBE) return code;
    if (const int pair = FindPair(table, character, FindMode::Exact); pair >= 0) {
        code.bytes = {static_cast<uint8_t>(pair >> 8), static_cast<uint8_t>(pair & 0xFF)};
        code.length = 2;
    }
    return code;
}

}  // namespace zarvo
