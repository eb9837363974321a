#include "core/table_loader.h"
#include "core/table_session.h"
#include "script/script_dump.h"
#include "script/script_fixture.h"

#include <gtest/gtest.h>
#include <random>

namespace zarvo {
namespace {

using Bytes = std::vector<uint8_t>;

// A table whose texts collide: short texts that join into longer ones, texts that
// begin like raw escapes, script commands or comments, empty texts, codes of every kind.
std::string RandomTable(std::mt19937& random)
{
    const char* texts[] = {"a", "b", "ab", "ba", "aba", "<", "$4", "<$41>", "#", "/", "//x", "", " ", "th", "e", "the",
                           "[", "]", "x", "\xE3\x81\x82"};
    const auto text = [&] { return std::string(texts[random() % std::size(texts)]); };
    std::string table;
    char line[64];
    for (int byte = 0; byte < 256; ++byte) {
        if (random() % 3 == 0) continue;
        std::snprintf(line, sizeof line, "%02X=", byte);
        table += line + text() + "\n";
    }
    for (int i = 0; i < 300; ++i) {
        std::snprintf(line, sizeof line, "%04X=", static_cast<unsigned>(random() % 65536));
        table += line + text() + "\n";
    }
    if (random() % 4 != 0) table += "*FF\n";
    if (random() % 2 != 0) table += "/FE\n";
    table += ".code $F0 \"[W]\"\n.code $F4 \"a\\n\"\n.dual $F1F2 \"[N]\"\n.multicode $F3 2 \"[S_]\"\n";
    if (random() % 3 == 0) table += ".nontbl \"<$>\"\n";
    return table;
}

PointerForm FormFor(int round)
{
    using M = PointerMachine;
    const PointerForm forms[] = {
        {M::Linear, 16, 0x10000, 0, false}, {M::Linear, 24, -0x100, 0x200, true}, {M::Linear, 32, 0, 0, false},
        {M::LoRom00, 24, 0, 0, false},      {M::LoRom80, 24, 0, 0x200, false},    {M::HiRom, 24, 0, 0, true},
        {M::GameBoy, 16, 0, 0, false},      {M::Gba, 32, 0, 0, false},            {M::LoRom00, 16, 0, 0, false},
    };
    return forms[round % std::size(forms)];
}

TEST(ScriptDump, InsertingTheDumpGivesTheRomBackByteForByte)
{
    std::mt19937 random(21);
    for (int round = 0; round < 27; ++round) {
        testing::ScriptFixture fixture(0x20000, "");
        const std::string tableText = RandomTable(random);
        fixture.folder.write("game.tbl", tableText);
        // Strings in 0x14000-0x17FFF: random bytes with frequent end bytes.
        for (std::size_t at = 0x14000; at < 0x18000; ++at) {
            fixture.rom[at] = random() % 9 == 0 ? 0xFF : static_cast<uint8_t>(random());
        }
        ScriptDumpRequest request;
        request.form = FormFor(round);
        request.pointerTable = 0x1000;
        request.count = 40;
        request.stride = request.form.bytes() + round % 2;
        request.tablePath = "game.tbl";
        request.romName = "game.smc";
        for (int slot = 0; slot < request.count; ++slot) {
            const int64_t target = slot % 7 == 6 ? 0x3FFFFFF : 0x14000 + static_cast<int64_t>(random() % 0x3000);
            const auto value = PointerValueFor(request.form, target);
            const uint32_t stored = value ? *value : static_cast<uint32_t>(random());
            StorePointerValue(request.form, stored,
                              std::span(fixture.rom).subspan(static_cast<std::size_t>(0x1000 + slot * request.stride)));
        }
        TableData table;
        TableSession session;
        ParseTableText(table, session, tableText);
        const ScriptDump dump = DumpScript(fixture.rom, ScriptTable::FromTable(table), request);
        ASSERT_EQ(dump.error, "") << round;
        const ScriptInsertion inserted = fixture.insert(dump.script);
        ASSERT_EQ(inserted.error, "") << round << "\n" << dump.script.substr(0, 3000);
        EXPECT_TRUE(inserted.result == fixture.rom) << round;
    }
}

TEST(ScriptDump, StringsGetTheirSlotsAndEndWithAnEmptyLine)
{
    testing::ScriptFixture fixture(0x20000);
    const Bytes text = {0x87, 0xA4, 0xFE, 0xA8, 0xFF, 0x80, 0x81, 0xFF, 0x82};  // "He", line, "i", end, "AB", end, "C"
    std::copy(text.begin(), text.end(), fixture.rom.begin() + 0x10000);
    const uint16_t slots[] = {0x0000, 0x0005, 0x0003, 0x0000};  // two slots share a string, one points into it
    for (int slot = 0; slot < 4; ++slot) {
        fixture.rom[0x8000 + 2 * slot] = static_cast<uint8_t>(slots[slot]);
        fixture.rom[0x8001 + 2 * slot] = static_cast<uint8_t>(slots[slot] >> 8);
    }
    TableData table;
    TableSession session;
    ParseTableText(table, session, testing::kScriptTable);
    ScriptDumpRequest request{0x8000, 4, 0, {PointerMachine::Linear, 16, 0x10000, 0, false}, "game.tbl", "game.smc"};
    const ScriptDump dump = DumpScript(fixture.rom, ScriptTable::FromTable(table), request);
    const std::string body = dump.script.substr(dump.script.find("#JMP"));
    EXPECT_EQ(body, "#JMP($10000, $10007)\n\n// slots 0, 3\n#WRITE(Slots, 0)\n#WRITE(Slots, 3)\nHe<LINE>\n"
                    "// slot 2\n#WRITE(Slots, 2)\ni<END>\n\n// slot 1\n#WRITE(Slots, 1)\nAB<END>\n\n");
    EXPECT_EQ(dump.strings, 2);  // the slot into a string is no string of its own
}

}  // namespace
}  // namespace zarvo
