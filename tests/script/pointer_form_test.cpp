#include "script/pointer_form.h"
#include "script/pointer_search.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

using Bytes = std::vector<uint8_t>;

PointerForm Form(PointerMachine machine, int bits, int64_t offset = 0, int64_t header = 0, bool bigEndian = false)
{
    return {machine, bits, offset, header, bigEndian};
}

Bytes Stored(const PointerForm& form, int64_t offset)
{
    const auto value = PointerValueFor(form, offset);
    if (!value) return {};
    Bytes bytes(static_cast<std::size_t>(form.bytes()));
    StorePointerValue(form, *value, bytes);
    return bytes;
}

TEST(PointerForm, ValuesOfTheMachines)
{
    using M = PointerMachine;
    const struct {
        PointerForm form;
        int64_t offset;
        Bytes bytes;
    } cases[] = {
        {Form(M::LoRom00, 24), 0, {0x00, 0x80, 0x00}},
        {Form(M::LoRom00, 24), 0x7FFF, {0xFF, 0xFF, 0x00}},
        {Form(M::LoRom00, 24), 0x8000, {0x00, 0x80, 0x01}},
        {Form(M::LoRom00, 24), 0x3FFFFF, {0xFF, 0xFF, 0x7F}},
        {Form(M::LoRom80, 24), 0, {0x00, 0x80, 0x80}},
        {Form(M::HiRom, 24), 0x25CFB, {0xFB, 0x5C, 0xC2}},
        {Form(M::GameBoy, 16), 0x40061, {0x61, 0x40}},
        {Form(M::GameBoy, 16), 0x1234, {0x34, 0x12}},
        {Form(M::Gba, 32), 0x123456, {0x56, 0x34, 0x12, 0x08}},
        {Form(M::Linear, 16, -0xA000, 0x10), 0x2010, {0x00, 0xC0}},
        {Form(M::Linear, 24, 0, 0, true), 0x123456, {0x12, 0x34, 0x56}},
        {Form(M::LoRom00, 16), 0x8123, {0x23, 0x81}},  // the bank is the place's
        {Form(M::Linear, 16), 0x10000, {}},            // does not fit: never cut
        {Form(M::Linear, 16, 0, 0x200), 0x100, {}},    // inside the header
        {Form(M::Linear, 32, 0x100), 0x80, {}},        // below the offset
    };
    for (const auto& c : cases) EXPECT_EQ(Stored(c.form, c.offset), c.bytes) << PointerFormText(c.form) << " " << c.offset;
}

TEST(PointerForm, EveryFormReadsBackTheOffsetItStored)
{
    using M = PointerMachine;
    std::mt19937 random(3);
    const PointerForm forms[] = {Form(M::Linear, 24, 0x1000, 0x200), Form(M::LoRom00, 24), Form(M::LoRom80, 24, 0, 0x200),
                                 Form(M::HiRom, 24, 0, 0, true),    Form(M::GameBoy, 24), Form(M::Gba, 32, -0x10)};
    for (const PointerForm& form : forms) {
        for (int i = 0; i < 2000; ++i) {
            const int64_t offset = form.header + 0x1000 + static_cast<int64_t>(random() % 0x3F0000);
            const auto value = PointerValueFor(form, offset);
            ASSERT_TRUE(value) << PointerFormText(form);
            EXPECT_EQ(PointerTargetOf(form, *value, 0), offset) << PointerFormText(form);
        }
    }
}

TEST(PointerForm, SixteenBitBankedValuesAreReadInTheBankOfTheirPlace)
{
    using M = PointerMachine;
    const struct {
        PointerForm form;
        uint32_t value;
        int64_t storedAt;
        std::optional<int64_t> target;
    } cases[] = {
        {Form(M::LoRom00, 16), 0x8123, 0x8000, 0x8123},
        {Form(M::LoRom00, 16), 0x8123, 0x18000, 0x18123},
        {Form(M::LoRom00, 16), 0x8123, 0x10, 0x0123},
        {Form(M::LoRom00, 16), 0x0123, 0x10, std::nullopt},  // below $8000: no ROM there
        {Form(M::LoRom80, 16), 0xFFFF, 0x8000, 0xFFFF},
        {Form(M::HiRom, 16), 0x1234, 0x25CFB, 0x21234},
        {Form(M::GameBoy, 16), 0x0061, 0x40000, 0x0061},     // below $4000: bank 0
        {Form(M::GameBoy, 16), 0x4061, 0x40000, 0x40061},
        {Form(M::GameBoy, 16), 0x4061, 0x0100, 0x4061},      // from bank 0, the window shows bank 1
    };
    for (const auto& c : cases) EXPECT_EQ(PointerTargetOf(c.form, c.value, c.storedAt), c.target) << c.value;
}

TEST(PointerSearch, ListsExactlyThePlacesHoldingAPointer)
{
    std::mt19937 random(9);
    Bytes file(0x30000);
    for (auto& byte : file) byte = static_cast<uint8_t>(random());
    const int64_t target = 0x12345;
    const std::vector<PointerForm> forms = EveryPointerForm(0, 0, true);
    // Plant every form's bytes, some twice, then compare with a scan of every place.
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const Bytes bytes = Stored(forms[i], target);
        if (bytes.empty()) continue;
        for (const std::size_t at : {0x100 + i * 0x1000, 0x20000 + i * 7}) std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::vector<std::string> expected;
    for (std::size_t place = 0; place < file.size(); ++place) {
        for (const PointerForm& form : forms) {
            if (place + static_cast<std::size_t>(form.bytes()) > file.size()) continue;
            const uint32_t value = ReadPointerValue(form, std::span(file).subspan(place));
            if (PointerTargetOf(form, value, static_cast<int64_t>(place)) == target) {
                expected.push_back(PointerHitLine({static_cast<int64_t>(place), form}));
            }
        }
    }
    std::vector<std::string> found;
    for (const PointerHit& hit : FindPointers(file, target, forms)) found.push_back(PointerHitLine(hit));
    EXPECT_EQ(found, expected);
    EXPECT_GE(found.size(), 2 * forms.size() - 2);
}

}  // namespace
}  // namespace zarvo
