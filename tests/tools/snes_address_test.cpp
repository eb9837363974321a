#include "tools/snes_address.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

constexpr auto ToSnes = ConvertDirection::ToSnes;
constexpr auto ToFile = ConvertDirection::ToFile;

struct ConversionCase {
    SnesMapping mapping;
    ConvertDirection direction;
    bool header;
    bool bank80;
    uint32_t input;
    const char* expected;  // the other field's text, or the refusal's message
};

std::string Convert(const ConversionCase& c)
{
    SnesConverterState state;
    state.mapping = c.mapping;
    state.direction = c.direction;
    state.headerSize = c.header ? kCopierHeaderSize : 0;
    state.bankBase = c.bank80 ? kFastBankBase : 0;
    const SnesConversion result = ConvertSnesAddress(state, c.input);
    return result.ok ? ConverterFieldText(result.value) : std::string(result.message);
}

TEST(SnesAddress, ConvertsBothWaysInEveryMapping)
{
    using enum SnesMapping;
    const ConversionCase cases[] = {
        // Lo-ROM with the copier header.
        {LoRom, ToSnes, true, false, 0x200, "008000"},
        {LoRom, ToSnes, true, false, 0x81FF, "00FFFF"},
        {LoRom, ToSnes, true, false, 0x8200, "018000"},
        {LoRom, ToSnes, true, false, 0x1FF, "Address must be > $200 when header is included."},
        {LoRom, ToFile, true, false, 0x018200, "008400"},
        // Lo-ROM banks and the $80 base; the bank difference wraps at 256.
        {LoRom, ToFile, false, true, 0x808000, "000000"},
        {LoRom, ToFile, false, true, 0x008000, "400000"},
        {LoRom, ToFile, false, false, 0x007FFF, "Address must be >= $Xx:8xxx"},
        {LoRom, ToSnes, false, false, 0x3FFFFF, "7FFFFF"},
        {LoRom, ToSnes, false, true, 0x3FFFFF, "FFFFFF"},
        {LoRom, ToSnes, false, false, 0x4001FF, "8081FF"},
        {LoRom, ToSnes, false, false, 0x400200, "Address must be < $400200"},
        {LoRom, ToSnes, true, true, 0x4001FF, "FFFFFF"},
        // A bank above $FF is no address.
        {LoRom, ToSnes, false, true, 0x400000, "Address must give a bank <= $FF"},
        // Hi-ROM ignores the bank base.
        {HiRom, ToSnes, false, false, 0x123456, "D23456"},
        {HiRom, ToSnes, true, true, 0x200, "C00000"},
        {HiRom, ToSnes, true, false, 0x100, "Address must be > $200 when header is included."},
        {HiRom, ToSnes, false, false, 0x3FFFFF, "FFFFFF"},
        {HiRom, ToSnes, false, false, 0x400000, "Address must give a bank <= $FF"},
        {HiRom, ToSnes, true, false, 0x4001FF, "FFFFFF"},
        {HiRom, ToFile, false, false, 0xBFFFFF, "Address must be >= $Cxxxxxx"},
        {HiRom, ToFile, true, false, 0xC01000, "001200"},
        // Work memory in a savestate.
        {Memory, ToSnes, false, false, 0xC13, "7E0000"},
        {Memory, ToSnes, false, false, 0x1FFFF, "7FF3EC"},
        {Memory, ToSnes, false, false, 0x20000, "Address must be < $20000"},
        {Memory, ToFile, false, false, 0x7E0000, "000C13"},
        {Memory, ToFile, false, false, 0x7DF3ED, "000000"},
        {Memory, ToFile, false, false, 0x800000, "Address must be <= $7FFFFF"},
        // An offset below 0 is no offset.
        {Memory, ToFile, false, false, 0x7DF3EC, "Address must be >= $7DF3ED"},
        {Memory, ToFile, false, false, 0x000000, "Address must be >= $7DF3ED"},
        // Video memory: the two directions count from different offsets.
        {VideoRam, ToSnes, false, false, 0x20000, "000000"},
        {VideoRam, ToSnes, false, false, 0x2FFFF, "007FFF"},
        {VideoRam, ToSnes, false, false, 0x1FFFF, "Address must be > $1FFFF AND < $30000"},
        {VideoRam, ToSnes, false, false, 0x30000, "Address must be > $1FFFF AND < $30000"},
        {VideoRam, ToFile, false, false, 0x0000, "020C13"},
        {VideoRam, ToFile, false, false, 0x7FFF, "030C11"},
        {VideoRam, ToFile, false, false, 0x8000, "Address must be < $8000"},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(Convert(c), c.expected) << "mapping " << static_cast<int>(c.mapping) << " direction "
                                          << static_cast<int>(c.direction) << " input " << std::hex << c.input;
    }
}

TEST(SnesAddress, FieldsAndGotoOffset)
{
    for (const auto& [text, value] : std::initializer_list<std::pair<const char*, uint32_t>>{
             {"", 0}, {"zz", 0}, {"  1a2B", 0x1A2B}, {"80:8000", 0x80}}) {
        EXPECT_EQ(ReadConverterField(text), value) << text;
    }
    EXPECT_EQ(ConverterFieldText(0x1234567), "1234567");
    EXPECT_EQ(ConverterGotoTarget(0x1234, 0x100000, 0x200), 0x1234);
    EXPECT_EQ(ConverterGotoTarget(0x200000, 0x100000, 0x200), 0x100000 - 0x200);  // past the end: a page back
    // A document shorter than a page, and the offset just past the last byte.
    EXPECT_EQ(ConverterGotoTarget(0x5000, 0x100, 0x200), 0);
    EXPECT_EQ(ConverterGotoTarget(0x100, 0x100, 0x200), 0xFF);
}

}  // namespace
}  // namespace zarvo
