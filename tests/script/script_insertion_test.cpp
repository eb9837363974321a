#include "script/script_fixture.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::kScriptHeader;
using testing::ScriptFixture;

Bytes Text(const std::string& letters)
{
    Bytes bytes;
    for (const char c : letters) {
        if (c == ' ') bytes.push_back(0x5F);
        else if (c == '/') bytes.push_back(0xFE);
        else if (c == '*') bytes.push_back(0xFF);
        else if (c >= 'a') bytes.push_back(static_cast<uint8_t>(0xA0 + c - 'a'));
        else bytes.push_back(static_cast<uint8_t>(0x80 + c - 'A'));
    }
    return bytes;
}

uint16_t SlotValue(const Bytes& rom, int slot) { return static_cast<uint16_t>(rom[0x8000 + 2 * slot] | rom[0x8001 + 2 * slot] << 8); }

TEST(ScriptInsertion, TranslatedStringsMoveAndEverySlotPointsAtItsString)
{
    const ScriptFixture fixture;
    const ScriptInsertion done = fixture.insert(std::string(kScriptHeader) +
                                                "#WRITE(S, 2)\nHel\nlo<LINE>the<END>\n"
                                                "#AUTOWRITE(S, \"<END>\")\nOk<END>\nA much longer string<END>\n"
                                                "#WRITE(S, 0)\nFin<END>\n");
    ASSERT_EQ(done.error, "");
    Bytes expected = fixture.rom;
    const Bytes text = Text("Hello/the*Ok*A much longer string*Fin*");
    std::copy(text.begin(), text.end(), expected.begin() + 0x10000);
    const uint16_t slots[] = {0x22, 0xFFFF, 0x0000, 0x000A};  // 0: Fin, 2: Hello, 3 and 4: by AUTOWRITE
    const uint16_t automatic[] = {0x0A, 0x0D};
    for (const int slot : {0, 2}) { expected[0x8000 + 2 * slot] = static_cast<uint8_t>(slots[slot]); expected[0x8001 + 2 * slot] = static_cast<uint8_t>(slots[slot] >> 8); }
    for (const int i : {0, 1}) { expected[0x8006 + 2 * i] = static_cast<uint8_t>(automatic[i]); expected[0x8007 + 2 * i] = 0; }
    // The AUTOWRITE of "Fin" follows WRITE(S, 0) into slot 1.
    expected[0x8002] = 0x22;
    expected[0x8003] = 0x00;
    EXPECT_EQ(SlotValue(done.result, 0), 0x22);
    EXPECT_TRUE(done.result == expected);
    EXPECT_EQ(InsertionReport(done), "Block $00010000-$000100FF: 38 bytes used, 218 free, 5 pointers written\n"
                                     "5 pointers written in all\n");
}

TEST(ScriptInsertion, RefusalsNameTheLineAndMakeNothing)
{
    const ScriptFixture fixture;
    const std::string head = kScriptHeader;  // its last line is 8
    const std::pair<std::string, std::string> cases[] = {
        {"Fine<END>\n#JMP($11000, $11001)\nAbc<END>\n#JMP($12000, $12003)\nAbc<END>\n",
         "script.txt: the text does not fit its blocks:\n"
         "  $00010000-$000100FF: needs 5 bytes, has 256\n"
         "  $00011000-$00011001: needs 4 bytes, has 2 (2 too many)\n"},
        {"Ab\n\nAbc\xC3\xA9<END>\n", ":11: no table entry covers '\xC3\xA9' (U+00E9) in \"\xC3\xA9<END>\""},
        {"#FOO(1)\n", ":9: unknown command #FOO"},
        {"#WRITE(S)\n12<END>\n", ":10: the string \"12<END>\" would read back as \"X<END>\""},
        {"#WRITE(P, $1FFFF)\n", ":9: the place $0001FFFF lies outside the file"},
        {"#W16($100)\n", ":9: a LINEAR 16-bit pointer cannot hold the offset $00010000"},
        {"#EMBTYPE(\"LINEAR\", 16, 0)\n#EMBSET(1)\n", ":10: the embedded pointer 1 gets no target (#EMBWRITE)"},
        {"#FIXEDLENGTH(3, 0)\nAbcd<END>\n", ":10: a string of 5 bytes is longer than #FIXEDLENGTH's 3"},
        {"#JMP($30000)\n", ":9: #JMP to $00030000, outside the file"},
        {"#WRITE(Q)\n", ":9: no variable Q was declared with #VAR"},
        {"#JMP(1, 2, 3)\n", ":9: wrong arguments for #JMP"},
    };
    for (const auto& [body, error] : cases) {
        const ScriptInsertion done = fixture.insert(head + body);
        EXPECT_NE(done.error.find(error), std::string::npos) << done.error << "\n expected: " << error;
        EXPECT_TRUE(done.result.empty()) << body;
    }
    EXPECT_NE(fixture.insert("Text\n").error.find(":1: text before any table is active"), std::string::npos);
}

TEST(ScriptInsertion, PointerCommandsStoreTheirForms)
{
    const ScriptFixture fixture;
    const struct {
        const char* commands;
        int64_t place;
        Bytes bytes;
    } cases[] = {
        {"#SMA(\"LOROM00\")\n#W24($100)\n", 0x100, {0x00, 0x80, 0x02}},
        {"#SMA(\"HIROM\")\n#W32($100)\n", 0x100, {0x00, 0x00, 0xC1, 0x00}},
        {"#SMA(\"LOROM80\")\n#WLB($100)\n#WHB($101)\n#WBB($102)\n#WUB($103)\n", 0x100, {0x00, 0x80, 0x82, 0x00}},
        {"#SMA(\"GBA\")\n#WHW($100)\n", 0x100, {0x01, 0x08}},
        {"#ENDIANSWAP(\"TRUE\")\n#SMA(\"LINEAR\")\n#W24($100)\n", 0x100, {0x01, 0x00, 0x00}},
        {"#HDR($200)\n#SMA(\"LINEAR\")\n#W16($100)\n", 0x100, {0x00, 0xFE}},
        {"#WLB(P, $100)\n#WHB(P, $101)\n", 0x100, {0x00, 0x00}},
        {"Ab\n#WRITE(P, $100)\n", 0x100, {0x02, 0x00}},
        {"#EMBTYPE(\"LINEAR\", 16, $10000)\n#EMBWRITE(1)\nAb\n#EMBSET(1)\n#EMBSET(2)\nC\n#EMBWRITE(2)\n", 0x10002,
         {0x00, 0x00, 0x07, 0x00, 0x82}},
        {"#STRINGALIGN(4)\nAb<END>\n#WRITE(P, $100)\n#FIXEDLENGTH(6, $EE)\nC<END>\nD", 0x10000,
         {0x80, 0xA1, 0xFF, 0x00, 0x82, 0xFF, 0xEE, 0xEE, 0xEE, 0xEE, 0x00, 0x00, 0x83}},
    };
    for (const auto& c : cases) {
        const ScriptInsertion done = fixture.insert(std::string(kScriptHeader) + c.commands);
        ASSERT_EQ(done.error, "") << c.commands;
        EXPECT_EQ(Bytes(done.result.begin() + c.place, done.result.begin() + c.place + static_cast<std::ptrdiff_t>(c.bytes.size())), c.bytes)
            << c.commands;
    }
}

TEST(ScriptInsertion, AtlasTablesAreFoundBesideTheScript)
{
    const ScriptFixture fixture;
    fixture.folder.write("atlas.tbl", "41=A\n4243=BC\n/00=<END>\n");
    const ScriptInsertion done = fixture.insert(
        "#VAR(T, TABLE)\n#ADDTBL(\"atlas.tbl\", T)\n#ACTIVETBL(T)\n#JMP($100, $1FF)\nABCA<END>\n", true);
    ASSERT_EQ(done.error, "");
    EXPECT_EQ(Bytes(done.result.begin() + 0x100, done.result.begin() + 0x105), (Bytes{0x41, 0x42, 0x43, 0x41, 0x00}));
}

}  // namespace
}  // namespace zarvo
