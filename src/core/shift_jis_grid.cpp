#include "core/shift_jis_grid.h"

namespace zarvo {

namespace {

[[nodiscard]] std::string CodeBytes(uint16_t code)
{
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

}  // namespace

uint16_t GridFirstCode(int scrollPosition)
{
    return static_cast<uint16_t>(static_cast<unsigned>(scrollPosition) & 0xFFF0u);
}

uint16_t GridCellCode(int scrollPosition, int column, int row)
{
    return static_cast<uint16_t>(GridFirstCode(scrollPosition) + row * kGridColumns + column);
}

char16_t GridCellCharacter(const Cp932Codec& codec, uint16_t code)
{
    const std::u16string decoded = codec.decode(CodeBytes(code));
    return decoded.size() == 1 ? decoded.front() : kCp932DefaultChar;
}

std::string GridPickBytes(const Cp932Codec& codec, uint16_t code)
{
    if (GridCellCharacter(codec, code) == kCp932DefaultChar) return CodeBytes(kFullWidthSpaceCode);
    return CodeBytes(code);
}

bool GridPickFits(std::size_t entryBytes) { return entryBytes + 2 < kGridEntryLimit; }

}  // namespace zarvo
