#include "cli/rsearch_command.h"
#include "cli/rtable_command.h"
#include "cli/search_command.h"
#include "core/byte_pieces.h"
#include "core/hex_text.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::RunCommand;
using testing::Words;

// A small ROM in a table's encoding: 'A'..'Z' stored as 0x80.., '*' as 0x2A, z as the pair C0 00.
class SearchCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string table = "2A=*\n9B= \nC000=z\n";
        for (char c = 'A'; c <= 'Z'; ++c) table += FormatHex(static_cast<uint32_t>(0x80 + c - 'A'), 2) + "=" + c + "\n";
        tablePath = folder.write("game.tbl", table);
        const std::string link = "\x8B\x88\x8D\x8A";  // LINK in the table's encoding
        // Table LINKs at 0x20 and 0x25, z at 0x29, ASCII Link at 0x2B and LINK at 0x2F.
        rom = std::string(0x20, '\0') + link + "\x9B" + link + std::string("\xC0\x00", 2) + "LinkLINK";
        romPath = folder.write("game.smc", rom);
    }

    testing::TempFolder folder;
    std::string tablePath;
    std::string rom;
    std::string romPath;
};

TEST_F(SearchCommandsTest, SearchListsEveryMatchFromOffsetZeroOrSaysWhyNot)
{
    const cli::Command search = cli::SearchCommand();
    const auto text = [&](std::string word) { return Words{romPath, "--text", word, "--table", tablePath}; };
    const std::string linkLines = "[$00000020]\n[$00000025]\n";
    const testing::CommandRun runs[] = {
        {search, text("LINK"), 0, linkLines},
        {search, Words{romPath, "--text", "LINK", "--table", tablePath, "--ignore-case"}, 0, linkLines},
        {search, text("z"), 0, "[$00000029]\n"},  // a two-byte entry
        {search, text("L*NK"), 0, ""},            // '*' is the table's 2A
        {search, Words{romPath, "--text", "L*NK", "--table", tablePath, "--wildcard"}, 0, linkLines},
        {search, Words{romPath, "--hex", "4C696E6B"}, 0, "[$0000002B]\n"},
        {search, Words{romPath, "--hex", "6C696e6b", "--ignore-case"}, 0, "[$0000002B]\n[$0000002F]\n"},
        {search, Words{romPath, "--hex", "8B**8D", "--wildcard"}, 0, linkLines},
        {search, Words{romPath, "--hex", "8B 88 8D 8A"}, 0, linkLines},
        {search, Words{romPath, "--hex", "**88", "--wildcard"}, 0, linkLines},  // a leading wildcard
        {search, Words{romPath, "--hex", "FF"}, 0, ""},
        {search, Words{romPath, "--hex", "8B8"}, 1, "", "Hex string is missing one digit.\n"},
        {search, Words{romPath, "--hex", "8B**"}, 1, "", "Wild Card not enabled...\n"},
        {search, Words{romPath, "--hex", ""}, 1, "", "Error: No text entered to search for...\n"},
        {search, text("link"), 1, "", "Error: No text entered to search for...\n"},
        {search, text(std::string(20, 'z')), 1, "",
         "The search text needs more than 39 bytes in this table.\nShorten it and search again.\n"},
        {search, Words{folder.file("none.smc"), "--hex", "00"}, 1, "", "zarvo-tool: cannot open "},
        {search, Words{romPath, "--text", "LINK"}, 2},
        {search, Words{romPath, "--hex", "00", "--text", "A", "--table", tablePath}, 2},
        {search, Words{romPath, "--hex", "00", "--fast"}, 2},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);

    // Every zero of the addressable buffer is a match, up to its last byte.
    const std::string zeros = RunCommand(search, {romPath, "--hex", "00"}).out;
    const auto count = static_cast<std::size_t>(std::count(rom.begin(), rom.end(), '\0')) + 65535 - rom.size();
    EXPECT_EQ(zeros.size(), count * 12u);
    EXPECT_EQ(zeros.substr(0, 12), "[$00000000]\n");
    EXPECT_EQ(zeros.substr(zeros.size() - 12), "[$0000FFFE]\n");
    EXPECT_EQ(RunCommand(search, {romPath, "--hex", "0000", "--limit"}).out.size(), 128u * 12u);
}

// The file is read a piece at a time: a match across two pieces is listed once.
TEST_F(SearchCommandsTest, MatchesAcrossThePiecesOfALargeFileAreListedOnce)
{
    std::string big(2 * kPieceBytes + 100, '\x11');
    const std::size_t across[] = {kPieceBytes - 2, 2 * kPieceBytes - 1};
    std::string matches;
    std::string hits;
    for (const std::size_t at : across) {
        big.replace(at, 4, "Link");
        const std::string offset = "[$" + FormatHex(static_cast<uint32_t>(at), 8) + "]";
        matches += offset + "\n";
        hits += offset + " Link            | A=41 a=61 0=30\n";
    }
    const std::string path = folder.write("big.bin", big);
    testing::ExpectRun({cli::SearchCommand(), Words{path, "--hex", "4C 69 6E 6B"}, 0, matches});
    testing::ExpectRun({cli::RsearchCommand(), Words{path, "Link"}, 0, hits});
}

TEST_F(SearchCommandsTest, RelativeSearchLinesAndTheTableMadeFromOne)
{
    const cli::Command rsearch = cli::RsearchCommand();
    const cli::Command rtable = cli::RtableCommand();
    const std::string out = folder.file("first.tbl");
    const testing::CommandRun runs[] = {
        // Grouped by base value: the ASCII LINK (base 4C) before the table's (base 8B).
        {rsearch, Words{romPath, "LINK"}, 0,
         "[$0000002F] LINK            | A=41 a=61 0=30\n"
         "[$00000020] LINK            | A=80 a=A0 0=6F\n"
         "[$00000025] LINK            | A=80 a=A0 0=6F\n"},
        {rsearch, Words{romPath, "Link"}, 0, "[$0000002B] Link            | A=41 a=61 0=30\n"},
        {rsearch, Words{romPath, "abcdefghijklmnop"}, 2, "", "A relative search word has at most 15 letters.\n"},
        {rsearch, Words{romPath, ""}, 1},
        {rtable, Words{"A=80", "-o", out}, 0},
        {rtable, Words{"B", "-o", folder.file("none.tbl")}, 2},
        {rtable, Words{"A=80"}, 2},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);
    const auto limited = RunCommand(rsearch, {romPath, "a", "--limit"}).out;
    EXPECT_EQ(limited.size(), 128u * 45u);
    EXPECT_EQ(limited.substr(0, 45), "[$00000000] a               | A=E0 a=00 0=CF\n");

    // The table of the first hit reads the ROM's text back.
    const std::string table = testing::ReadText(out);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 95);
    EXPECT_NE(table.find("\n8B=L\n"), std::string::npos);
    EXPECT_EQ(table.substr(0, 5), "5F= \n");  // 0xC1 + 0x5F wraps to the blank
    EXPECT_EQ(RunCommand(rtable, {"A=80", "-o", "-"}).out, table);
}

}  // namespace
}  // namespace zarvo
