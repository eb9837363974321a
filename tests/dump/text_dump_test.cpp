#include "dump/text_dump.h"

#include "dump/code_to_text.h"
#include "dump_test_support.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::CollectingSink;
using testing::TableFrom;

std::string Dump(const std::string& tableLines, const std::vector<uint8_t>& bytes, int64_t start = 0)
{
    const TableData table = TableFrom(tableLines);
    const int64_t size = static_cast<int64_t>(bytes.size());
    const DumpContext context{start, start + size - 1, size, "game.smc", "game.tbl"};
    CollectingSink out;
    EXPECT_TRUE(WriteTextDump(bytes, table, context, out.sink()));
    return out.text;
}

struct DumpCase {
    const char* what;
    std::string table;
    std::vector<uint8_t> bytes;
    std::string expected;
};

TEST(TextDump, EachRuleAsTheDocumentsShowIt)
{
    const DumpCase cases[] = {
        {"multicode parameters", ".multicode $F3 2 \"[SE_]\"\n", {0xF3, 0x10, 0x2A}, "[SE$102A]"},
        {"multicode parameters past the range", ".multicode $F3 2 \"[SE_]\"\n", {0xF3, 0x10}, "[SE$]($10)"},
        {"multicode without '_' keeps its whole text", ".multicode $F3 1 \"<X>\"\n", {0xF3, 0x07}, "<$07X>"},
        {"multicode splits at a '>' before the '_'", ".multicode $F3 1 \"<A>_\"\n", {0xF3, 0x07}, "<A$07_"},
        {"nontbl with '$'", ".nontbl \"[$]\"\n", {0x05}, "[$05]"},
        {"nontbl without text", ".nontbl \"\"\n", {0x05}, "(005)"},
        {"nontbl brackets", ".nontbl \"<>\"\n", {0x05}, "<005>"},
        {"nontbl starting and ending in '$'", ".nontbl \"$x$\"\n", {0xFF}, "($FF)"},
        {"nontbl wins over the line mark", "/05\n.nontbl \"<>\"\n", {0x05}, "<005>"},
        {"a pair never takes a byte past the range", "41=A\n4142=AB\n", {0x41, 0x42, 0x41}, "ABA"},
        {"line mark before end mark on one byte", "/FE\n\\FE\n", {0xFE, 0x01}, "\n($01)"},
        {"end mark", "*FF\n", {0xFF}, "<END>\n"},
        {"an empty entry writes nothing", "41=\n42=B\n", {0x41, 0x42}, "B"},
        {"dual in file order only", ".dual $F1F2 \"[NAME]\"\n", {0xF1, 0xF2, 0xF2, 0xF1}, "[NAME]($F2)($F1)"},
        {"dual needs two bytes", ".dual $F1F2 \"[NAME]\"\nF1=x\n", {0xF2, 0xF1}, "($F2)x"},
        {"dual before code, code before multicode",
         ".dual $F0F3 \"D\"\n.code $F0 \"C\"\n.multicode $F0 1 \"M_\"\n",
         {0xF0, 0xF3, 0xF0, 0x01},
         "DC($01)"},
        {"the first of two duals with one code",
         ".dual $4142 \"first\"\n.dual $4142 \"second\"\n",
         {0x41, 0x42},
         "first"},
        {"a code's %offset is the file offset of its byte",
         ".code $F0 \"[%offset]\"\n",
         {0x41, 0xF0},
         "($41)[00000101]"},
        {"header and footer", ".startdump \"<%startofs>\"\n.enddump \"</%OFFSET>\"\n", {}, "<00000100></00000100>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Dump(c.table, c.bytes, 0x100), c.expected);
    }
}

// The README's table, every directive at once, with a continued header.
TEST(TextDump, TableUsingEveryDirective)
{
    const std::string table =
        "41=A\n60=th\n8140=you\n/FE\n*FF\n(1A2Bh)Title screen\n[00012000-000120FF]Intro\n"
        ".code=$F0 \"[WAIT]\"\n.dual $F1F2 \"[NAME]\"\n.multicode $F3 2 \"[SE_]\"\n.nontbl \"<$>\"\n"
        ".startdump \"Dump of %ROMNAME\\n\",\n\"Range %startofs-%EndOfs (%dumpsize)\\n\"\n"
        ".enddump \"\\n%tblname at %offset\"\n";
    const std::vector<uint8_t> bytes = {0x81, 0x40, 0x41, 0x60, 0xFE, 0xF0, 0xF1, 0xF2,
                                        0xF3, 0x10, 0x2A, 0xFF, 0x05, 0xF1, 0x41};
    EXPECT_EQ(Dump(table, bytes, 0x12000),
              "Dump of game.smc\nRange 00012000-0001200E (15)\n"
              "youAth<$FE>[WAIT][NAME][SE$102A]<$FF><$05><$F1>A"
              "\ngame.tbl at 0001200F");
}

// Random tables of every kind of line against the model, over random bytes drawn
// mostly from the bytes the table knows.
TEST(TextDump, MatchesThePlainModelOnRandomTables)
{
    std::mt19937 random(20240611);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto hex = [](int v) { return testing::Printed("%02llX", v & 0xFF); };
    const char* pieces[] = {"x", "%offset",  "%DumpSize", "\\n",     "\\T", "_",
                            ">", "%romname", "%tblname",  "%endofs", "$"};
    const auto text = [&]() {
        std::string t;
        for (int n = pick(4); n > 0; --n) t += pieces[pick(11)];
        return '"' + t + '"';
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<int> known;
        std::string lines;
        for (int n = 0; n < 12; ++n) {
            const std::string b = hex(known.emplace_back(pick(256)));
            const std::string line[] = {
                b + "=s" + text(),
                b + hex(pick(256)) + "=p" + text(),
                ".code $" + b + " " + text(),
                ".dual $" + b + hex(pick(256)) + " " + text(),
                ".multicode $" + b + " " + std::to_string(pick(4)) + " " + text(),
                (pick(2) ? "/" : "*") + b,
                pick(2) ? ".nontbl \"<$>\"" : ".nontbl \"[]\"",
                ".startdump " + text() + ",\n" + text(),
                ".enddump " + text(),
            };
            lines += line[pick(9)] + "\n";
        }
        std::vector<uint8_t> bytes(static_cast<std::size_t>(pick(200)));
        for (auto& byte : bytes) byte = static_cast<uint8_t>(pick(4) == 0 ? pick(256) : known[pick(12)]);
        const TableData table = TableFrom(lines);
        const int64_t start = pick(0x10000);
        const auto size = static_cast<int64_t>(bytes.size());
        const DumpContext context{start, start + size + pick(3), size, "rom.bin", "t.tbl"};
        CollectingSink out;
        ASSERT_TRUE(WriteTextDump(bytes, table, context, out.sink()));
        ASSERT_EQ(out.text, testing::ModelTextDump(bytes, table, context)) << lines;
    }
}

TEST(TextDump, LongOutputGoesThroughTheSinkInPiecesAndAFailedWriteIsReported)
{
    const std::vector<uint8_t> bytes(300000, 0x05);  // "($05)" each: 1.5 MB of text
    const DumpContext context{0, 299999, 300000, "a", "b"};
    CollectingSink whole, full;
    full.limit = 100000;
    ASSERT_TRUE(WriteTextDump(bytes, TableData{}, context, whole.sink()));
    EXPECT_EQ(whole.text.size(), 1500000U);
    EXPECT_EQ(whole.text.substr(whole.text.size() - 10), "($05)($05)");
    EXPECT_FALSE(WriteTextDump(bytes, TableData{}, context, full.sink()));
}

}  // namespace
}  // namespace zarvo
