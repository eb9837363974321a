#include "cli/rsearch_command.h"
#include "cli/rtable_command.h"
#include "cli/search_command.h"
#include "core/hex_text.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::TempFolder;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCommand(const cli::Command& command, const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command.run(arguments, out, err);
    return {status, out.str(), err.str()};
}

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
        const std::string rom =
            std::string(0x20, '\0') + link + "\x9B" + link + std::string("\xC0\x00", 2) + "LinkLINK";
        romPath = folder.write("game.smc", rom);
        zeros = static_cast<std::size_t>(std::count(rom.begin(), rom.end(), '\0')) + 65535 - rom.size();
    }

    TempFolder folder;
    std::string tablePath;
    std::string romPath;
    std::size_t zeros = 0;  // in the addressable buffer
};

TEST_F(SearchCommandsTest, SearchListsEveryMatchFromOffsetZero)
{
    const struct {
        std::vector<std::string> arguments;
        std::string out;
    } cases[] = {
        {{"--text", "LINK", "--table", tablePath}, "[$00000020]\n[$00000025]\n"},
        {{"--text", "LINK", "--table", tablePath, "--ignore-case"}, "[$00000020]\n[$00000025]\n"},
        {{"--text", "z", "--table", tablePath}, "[$00000029]\n"},  // a two-byte entry
        {{"--text", "L*NK", "--table", tablePath}, ""},            // '*' is the table's 2A
        {{"--text", "L*NK", "--table", tablePath, "--wildcard"}, "[$00000020]\n[$00000025]\n"},
        {{"--hex", "4C696E6B"}, "[$0000002B]\n"},
        {{"--hex", "6C696e6b", "--ignore-case"}, "[$0000002B]\n[$0000002F]\n"},
        {{"--hex", "8B**8D", "--wildcard"}, "[$00000020]\n[$00000025]\n"},
        {{"--hex", "00"}, "[$00000000]\n"},  // the first of many
        {{"--hex", "FF"}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {romPath};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const Outcome result = RunCommand(cli::SearchCommand(), arguments);
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        if (c.arguments[1] == "00") {
            EXPECT_EQ(result.out.substr(0, 12), c.out);
            EXPECT_EQ(result.out.size(), zeros * 12u);
            EXPECT_EQ(result.out.substr(result.out.size() - 12), "[$0000FFFE]\n");  // the last byte
        } else {
            EXPECT_EQ(result.out, c.out);
        }
    }
    const Outcome limited = RunCommand(cli::SearchCommand(), {romPath, "--hex", "0000", "--limit"});
    EXPECT_EQ(limited.out.size(), 128u * 12u);
}

TEST_F(SearchCommandsTest, SearchFailsWithTheEditorsMessages)
{
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } cases[] = {
        {{"--hex", "8B8"}, 1, "Hex string is missing one digit.\n"},
        {{"--hex", "8B**"}, 1, "Wild Card not enabled...\n"},
        {{"--hex", ""}, 1, "Error: No text entered to search for...\n"},
        {{"--text", "link", "--table", tablePath}, 1, "Error: No text entered to search for...\n"},
        {{"--text", std::string(20, 'z'), "--table", tablePath},
         1,
         "The search text needs more than 39 bytes in this table.\nShorten it and search again.\n"},
        {{"--text", "LINK"}, 2, ""},
        {{"--hex", "00", "--text", "A", "--table", tablePath}, 2, ""},
        {{"--hex", "00", "--fast"}, 2, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {romPath};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const Outcome result = RunCommand(cli::SearchCommand(), arguments);
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, "");
        if (c.status == 1) {
            EXPECT_EQ(result.err, c.err);
        } else {
            EXPECT_NE(result.err.find("usage"), std::string::npos);
        }
    }
    EXPECT_EQ(RunCommand(cli::SearchCommand(), {folder.file("none.smc"), "--hex", "00"}).status, 1);
}

TEST_F(SearchCommandsTest, RelativeSearchLinesAndTheTableMadeFromOne)
{
    // Grouped by base value: the ASCII LINK (base 4C) before the table's (base 8B).
    const Outcome hits = RunCommand(cli::RsearchCommand(), {romPath, "LINK"});
    ASSERT_EQ(hits.status, 0) << hits.err;
    EXPECT_EQ(hits.out,
              "[$0000002F] LINK            | A=41 a=61 0=30\n"
              "[$00000020] LINK            | A=80 a=A0 0=6F\n"
              "[$00000025] LINK            | A=80 a=A0 0=6F\n");
    EXPECT_EQ(RunCommand(cli::RsearchCommand(), {romPath, "Link"}).out,
              "[$0000002B] Link            | A=41 a=61 0=30\n");
    const Outcome limited = RunCommand(cli::RsearchCommand(), {romPath, "a", "--limit"});
    EXPECT_EQ(limited.out.size(), 128u * 45u);
    EXPECT_EQ(limited.out.substr(0, 45), "[$00000000] a               | A=E0 a=00 0=CF\n");

    const Outcome tooLong = RunCommand(cli::RsearchCommand(), {romPath, "abcdefghijklmnop"});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_EQ(tooLong.err.substr(0, 47), "A relative search word has at most 15 letters.\n");
    EXPECT_EQ(RunCommand(cli::RsearchCommand(), {romPath, ""}).status, 1);

    // The table of the first hit reads the ROM's text back.
    const std::string out = folder.file("first.tbl");
    ASSERT_EQ(RunCommand(cli::RtableCommand(), {"A=80", "-o", out}).status, 0);
    const std::vector<uint8_t> written = testing::ReadBytes(out);
    const std::string table(written.begin(), written.end());
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 95);
    EXPECT_NE(table.find("\n8B=L\n"), std::string::npos);
    EXPECT_EQ(table.substr(0, 5), "5F= \n");  // 0xC1 + 0x5F wraps to the blank
    EXPECT_EQ(RunCommand(cli::RtableCommand(), {"A=80", "-o", "-"}).out, table);
    EXPECT_EQ(RunCommand(cli::RtableCommand(), {"B", "-o", out}).status, 2);
    EXPECT_EQ(RunCommand(cli::RtableCommand(), {"A=80"}).status, 2);
}

TEST_F(SearchCommandsTest, TheToolPrintsTheSameLines)
{
    const std::string listing = folder.file("listing.txt");
    const std::string command = std::string(ZARVO_TOOL_PATH) + " rsearch " + romPath + " LINK > " + listing;
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<uint8_t> printed = testing::ReadBytes(listing);
    EXPECT_EQ(std::string(printed.begin(), printed.end()), RunCommand(cli::RsearchCommand(), {romPath, "LINK"}).out);
    for (const char* name : {"search", "rsearch", "rtable"}) {
        EXPECT_EQ(std::system((std::string(ZARVO_TOOL_PATH) + " " + name + " --help > /dev/null").c_str()), 0);
    }
}

}  // namespace
}  // namespace zarvo
