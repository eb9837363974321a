#include "cli/view_command.h"

#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>
#include <string>

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
        {view, Words{ascii, "--offset", "xyz"}, 2},
        {view, Words{ascii, "--rows", "-1"}, 2},
        {view, Words{ascii, "--offset-mode", "linear"}, 2},
        {view, Words{ascii, "--bogus"}, 2},
        {view, Words{ascii, "--table"}, 2},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);
}

}  // namespace
}  // namespace zarvo
