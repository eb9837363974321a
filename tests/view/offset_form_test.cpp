#include "view/offset_form.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

struct OffsetCase {
    int32_t offset;
    OffsetMode mode;
    const char* shown;
};

TEST(OffsetFormTest, ShowsEveryAddressForm)
{
    const OffsetCase cases[] = {
        {0x00012345, OffsetMode::Standard, "00012345"},   {0x00000000, OffsetMode::LoRomSlow, "00008000"},
        {0x00001234, OffsetMode::LoRomSlow, "00009234"},  {0x00008000, OffsetMode::LoRomSlow, "00018000"},
        {0x00018123, OffsetMode::LoRomSlow, "00038123"},  {0x00000000, OffsetMode::LoRomFast, "00808000"},
        {0x00008000, OffsetMode::LoRomFast, "00818000"},  {0x00123456, OffsetMode::HiRom, "00D23456"},
        {0x00000000, OffsetMode::SnesMemory, "007E0000"}, {0x0001FFF0, OffsetMode::SnesMemory, "007FFFF0"},
        {0x00020000, OffsetMode::SnesMemory, "00000000"}, {0x00020010, OffsetMode::SnesMemory, "00000010"},
        {0x0012ABCD, OffsetMode::SnesMemory, "0000ABCD"},
    };
    for (const OffsetCase& c : cases) {
        EXPECT_EQ(OffsetText(c.offset, c.mode), c.shown)
            << "offset " << c.offset << " mode " << static_cast<int>(c.mode);
    }
}

TEST(OffsetFormTest, ReadsTheCommandLineNamesAndRefusesOthers)
{
    const std::pair<const char*, OffsetMode> names[] = {
        {"standard", OffsetMode::Standard}, {"lorom", OffsetMode::LoRomSlow},   {"lorom-fast", OffsetMode::LoRomFast},
        {"hirom", OffsetMode::HiRom},       {"memory", OffsetMode::SnesMemory},
    };
    for (const auto& [name, expected] : names) {
        OffsetMode mode = expected == OffsetMode::HiRom ? OffsetMode::Standard : OffsetMode::HiRom;
        EXPECT_TRUE(OffsetModeFromName(name, mode)) << name;
        EXPECT_EQ(mode, expected) << name;
    }
    for (const char* unknown : {"", "LoROM", "lorom-slow", "hirom ", "vram"}) {
        OffsetMode mode = OffsetMode::LoRomFast;
        EXPECT_FALSE(OffsetModeFromName(unknown, mode)) << unknown;
        EXPECT_EQ(mode, OffsetMode::LoRomFast) << "a refused name leaves the mode as it was";
    }
}

}  // namespace
}  // namespace zarvo
