#include "cli/view_command.h"

#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::Words;

TEST(ViewCommand, RowsAsTheViewShowsThemToTheEndOfTheFile)
{
    testing::TempFolder folder;
    const auto ascii = folder.write("rom.bin", std::string("Hello, World!\x01\x7F\x20"
                                                           "ABC",
                                                           19));
    const auto table = folder.write("game.tbl", "41=A\r\n60=th\r\n8140=you\r\n/FE\r\n*FF\r\n42=\r\n43=long text\r\n");
    const auto game = folder.write("game.bin", std::string("\x81\x40\x41\x60\xFE\xFF\x42\x43\x00\x81\x40\x81", 12));
    const auto pairOnly = folder.write("t.tbl", "8140=you\n");
    const auto split = folder.write("r.bin", std::string("\x00\x81\x40\x00", 4));
    const auto big = folder.write("big.bin", std::string(0x10040, '\0'));
    const auto empty = folder.write("empty.bin", "");
    const auto row = [&](const char* offset, const char* mode) {
        return Words{big, "--offset", offset, "--rows", "1", "--width", "1", "--offset-mode", mode};
    };
    const cli::Command view = cli::ViewCommand();
    const testing::CommandRun runs[] = {
        {view, Words{ascii}, 0,
         "00000000  48 65 6C 6C 6F 2C 20 57 6F 72 6C 64 21 01 7F 20  Hello, World!.. \n00000010  41 42 43  ABC\n"},
        // 81 40 is a pair inside a row, but not across two rows or with one byte left.
        {view, Words{game, "--table", table, "--width", "4"}, 0,
         "00000000  81 40 41 60  youAth\n00000004  FE FF 42 43  /*long text\n00000008  00 81 40 81  .you.\n"},
        {view, Words{split, "--table", pairOnly, "--width", "2"}, 0,
         "00000000  00 81  ..\n00000002  40 00  ..\n"},  // a loaded table replaces the ASCII entries
        {view, row("8000", "lorom"), 0, "00018000  00  .\n"},
        {view, row("8000", "lorom-fast"), 0, "00818000  00  .\n"},
        {view, row("10030", "hirom"), 0, "00C10030  00  .\n"},
        {view, row("10030", "memory"), 0, "007F0030  00  .\n"},
        {view, Words{big, "--offset", "1003f", "--width", "4"}, 0, "0001003F  00  .\n"},
        {view, Words{big, "--offset", "10040"}, 0, ""},
        {view, Words{big, "--rows", "0"}, 0, ""},
        {view, Words{empty}, 0, ""},
        {view, Words{folder.file("nothing.bin")}, 1, "", "zarvo-tool: cannot open "},
        {view, Words{ascii, "--table", folder.file("nothing.tbl")}, 1, "", "zarvo-tool: cannot open "},
        {view, Words{}, 2},
        {view, Words{ascii, ascii}, 2},
        {view, Words{ascii, "--width", "0"}, 2},
        {view, Words{ascii, "--width", "129"}, 2},
        {view, Words{ascii, "--rows", "-1"}, 2},
        {view, Words{ascii, "--offset-mode", "linear"}, 2},
        {view, Words{ascii, "--bogus"}, 2},
        {view, Words{ascii, "--table"}, 2},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);
}

// The file is read a few thousand rows at a time: the rows after the first piece
// keep their offsets and bytes.
TEST(ViewCommand, RowsAfterTheFirstPieceKeepTheirOffsetsAndBytes)
{
    testing::TempFolder folder;
    std::vector<uint8_t> bytes(20000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 1000);
    const auto rom = folder.write("rom.bin", bytes);
    const std::string out = testing::RunCommand(cli::ViewCommand(), {rom, "--offset", "1", "--width", "3"}).out;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < out.size();) {
        const std::size_t end = out.find('\n', at);
        lines.push_back(out.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 6667u);  // 19,999 bytes in rows of 3
    const struct {
        std::size_t row;
        const char* start;
    } rows[] = {{0, "00000001  07 0E 15  "},
                {4095, "00002FFE  FE 05 0C  "},
                {4096, "00003001  13 1A 21  "},
                {6666, "00004E1F  EC  "}};
    for (const auto& row : rows) EXPECT_EQ(lines[row.row].substr(0, std::string(row.start).size()), row.start);
}

}  // namespace
}  // namespace zarvo
