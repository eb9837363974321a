#include "cli/view_command.h"

#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace zarvo {
namespace {

using testing::TempFolder;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunView(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::ViewCommand().run(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(ViewCommand, ListsRowsThroughTheAsciiTableToTheEndOfTheFile)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::string("Hello, World!\x01\x7F\x20"
                                                         "ABC",
                                                         19));
    const auto result = RunView({rom});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "00000000  48 65 6C 6C 6F 2C 20 57 6F 72 6C 64 21 01 7F 20  Hello, World!.. \n"
              "00000010  41 42 43  ABC\n");
    EXPECT_EQ(result.err, "");
}

TEST(ViewCommand, TranslatesPairsSinglesAndMarksThroughATable)
{
    TempFolder folder;
    const auto table = folder.write("game.tbl", "41=A\r\n60=th\r\n8140=you\r\n/FE\r\n*FF\r\n42=\r\n43=long text\r\n");
    // 81 40 at columns 0-1 is a pair; 81 40 split over two rows is not.
    const auto rom = folder.write("game.bin", std::string("\x81\x40\x41\x60\xFE\xFF\x42\x43\x00\x81\x40\x81", 12));
    const auto result = RunView({rom, "--table", table, "--width", "4"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "00000000  81 40 41 60  youAth\n"
              "00000004  FE FF 42 43  /*long text\n"
              "00000008  00 81 40 81  .you.\n");
}

TEST(ViewCommand, PairNeedsBothBytesInTheRow)
{
    TempFolder folder;
    const auto table = folder.write("t.tbl", "8140=you\n");
    const auto rom = folder.write("r.bin", std::string("\x00\x81\x40\x00", 4));
    const auto result = RunView({rom, "--table", table, "--width", "2"});
    EXPECT_EQ(result.out,
              "00000000  00 81  ..\n"
              "00000002  40 00  ..\n");  // a loaded table replaces the ASCII entries
}

TEST(ViewCommand, OffsetRowsWidthAndOffsetModes)
{
    TempFolder folder;
    std::string bytes(0x10040, '\0');
    const auto rom = folder.write("big.bin", bytes);
    EXPECT_EQ(RunView({rom, "--offset", "8000", "--rows", "1", "--width", "2", "--offset-mode", "lorom"}).out,
              "00018000  00 00  ..\n");
    EXPECT_EQ(RunView({rom, "--offset", "8000", "--rows", "1", "--width", "1", "--offset-mode", "lorom-fast"}).out,
              "00818000  00  .\n");
    EXPECT_EQ(RunView({rom, "--offset", "10030", "--rows", "1", "--width", "1", "--offset-mode", "hirom"}).out,
              "00C10030  00  .\n");
    EXPECT_EQ(RunView({rom, "--offset", "10030", "--rows", "1", "--width", "1", "--offset-mode", "memory"}).out,
              "007F0030  00  .\n");
    // Offsets read up to the first character that is not a hexadecimal digit.
    EXPECT_EQ(RunView({rom, "--offset", "1003Fzz", "--width", "4"}).out, "0001003F  00  .\n");
    EXPECT_EQ(RunView({rom, "--offset", "10040"}).out, "");
    EXPECT_EQ(RunView({rom, "--rows", "0"}).out, "");
}

TEST(ViewCommand, EmptyFilePrintsNothing)
{
    TempFolder folder;
    const auto rom = folder.write("empty.bin", std::string());
    const auto result = RunView({rom});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
}

TEST(ViewCommand, UnreadableInputFailsWithStatus1)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::string("AB"));
    const auto missingRom = RunView({folder.file("nothing.bin")});
    EXPECT_EQ(missingRom.status, 1);
    EXPECT_NE(missingRom.err, "");
    EXPECT_EQ(missingRom.out, "");
    const auto missingTable = RunView({rom, "--table", folder.file("nothing.tbl")});
    EXPECT_EQ(missingTable.status, 1);
    EXPECT_NE(missingTable.err, "");
    EXPECT_EQ(missingTable.out, "");
}

TEST(ViewCommand, WrongUsageGivesStatus2)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::string("AB"));
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{},
                                               {rom, rom},
                                               {rom, "--width", "0"},
                                               {rom, "--width", "129"},
                                               {rom, "--offset", "xyz"},
                                               {rom, "--rows", "-1"},
                                               {rom, "--offset-mode", "linear"},
                                               {rom, "--bogus"},
                                               {rom, "--table"}}) {
        const auto result = RunView(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
}

TEST(ZarvoTool, ExitStatusesOfTheProgram)
{
    const std::string tool = ZARVO_TOOL_PATH;
    EXPECT_EQ(std::system((tool + " --help > /dev/null").c_str()), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((tool + " > /dev/null 2>&1").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system((tool + " frobnicate > /dev/null 2>&1").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system((tool + " view --help > /dev/null").c_str())), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((tool + " view /nonexistent/rom.bin > /dev/null 2>&1").c_str())), 1);
}

}  // namespace
}  // namespace zarvo
