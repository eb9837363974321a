#include "cli/dump_command.h"
#include "cli/fill_command.h"
#include "cli/insert_command.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
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

std::string ReadText(const std::string& path)
{
    const auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// A ROM of 0x20000 bytes holding a short script at 0x12000, and its table.
class DumpCommandsTest : public ::testing::Test {
protected:
    DumpCommandsTest()
    {
        bytes = PatternBytes(0x20000);
        const std::vector<uint8_t> script = {0x81, 0x40, 0x41, 0x60, 0xFE, 0xF0, 0xF1, 0xF2, 0xF3, 0x10, 0x2A, 0xFF};
        std::copy(script.begin(), script.end(), bytes.begin() + 0x12000);
        rom = folder.write("game.smc", bytes);
        table = folder.write("game.tbl",
                             std::string("41=A\r\n60=th\n8140=you\n/FE\n*FF\n[00012000-0001200B]Intro\n"
                                         "[0001200C-0001200B]Empty\n.code=$F0 \"[WAIT]\"\n.dual $F1F2 \"[NAME]\"\n"
                                         ".multicode $F3 2 \"[SE_]\"\n.STARTDUMP \"%RomName %tblname\\n\",\n"
                                         "\"%startofs-%endofs %dumpsize\\n\"\n.enddump \"\\n[%offset]\""));
    }

    TempFolder folder;
    std::vector<uint8_t> bytes;
    std::string rom;
    std::string table;
};

TEST_F(DumpCommandsTest, TextDumpNamesTheFilesAsGiven)
{
    const auto out = folder.file("intro.txt");
    const Outcome done = RunCommand(cli::DumpCommand(),
                                    {"text", rom, "--table", table, "--start", "12000", "--end", "1200B", "-o", out});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out + done.err, "");
    EXPECT_EQ(ReadText(out),
              rom + " " + table + "\n00012000-0001200B 12\nyouAth\n[WAIT][NAME][SE$102A]<END>\n" + "\n[0001200C]");

    const Outcome piped = RunCommand(cli::DumpCommand(),
                                     {"text", rom, "--table", table, "--start", "1200C", "--end", "1200b", "-o", "-"});
    EXPECT_EQ(piped.out, rom + " " + table + "\n0001200C-0001200B 0\n\n[0001200C]");
}

TEST_F(DumpCommandsTest, BinaryDumpCutAtTheFileEnd)
{
    const auto out = folder.file("tail.dat");
    ASSERT_EQ(RunCommand(cli::DumpCommand(), {"bin", rom, "--start", "1FFF0", "--end", "FFFFFFFF", "-o", out}).status,
              0);
    const auto pattern = PatternBytes(0x20000);
    EXPECT_TRUE(ReadBytes(out) == std::vector<uint8_t>(pattern.end() - 16, pattern.end()));
}

TEST_F(DumpCommandsTest, RefusedRangesWriteNoFile)
{
    const auto out = folder.file("none.txt");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"text", rom, "--table", table, "--start", "20", "--end", "1F", "-o", out}, ""},  // empty: allowed
        {{"text", rom, "--table", table, "--start", "20", "--end", "1E", "-o", out},
         "Ending Address is Less Than Starting Address...\n"},
        {{"bin", rom, "--start", "20", "--end", "1E", "-o", out},
         "Sorry, but the Start offset must\nbe less than the Ending Offset.\n"},
        {{"bin", rom, "--start", "30000", "--end", "40000", "-o", out},
         "Sorry, but the Data size to dump was LESS THAN Zero!\n"},
        {{"bin", rom, "--start", "0", "--end", "1", "-o", folder.file("gone/x.dat")},
         "Fatal Error: Could not create\n " + folder.file("gone/x.dat") + "\n"},
    };
    for (const auto& [arguments, message] : cases) {
        std::filesystem::remove(out);
        const Outcome result = RunCommand(cli::DumpCommand(), arguments);
        EXPECT_EQ(result.status, message.empty() ? 0 : 1) << message;
        EXPECT_EQ(result.err, message);
        EXPECT_EQ(std::filesystem::exists(out), message.empty()) << message;
    }
}

TEST_F(DumpCommandsTest, EveryLabelToItsOwnFile)
{
    const auto dir = folder.file("labels");
    std::filesystem::create_directory(dir);
    const Outcome text = RunCommand(cli::DumpCommand(), {"labels", rom, "--table", table, "-d", dir});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, dir + "/Intro.txt\n" + dir + "/Empty.txt\n");
    EXPECT_EQ(ReadText(dir + "/Empty.txt"), rom + " " + table + "\n0001200C-0001200B 0\n\n[0001200C]");

    const Outcome binary = RunCommand(cli::DumpCommand(), {"labels", rom, "--table", table, "--bin", "-d", dir});
    EXPECT_EQ(binary.out, dir + "/Intro.dat\n" + dir + "/Empty.dat\n");
    EXPECT_EQ(ReadBytes(dir + "/Intro.dat").size(), 12U);

    const auto plain = folder.write("plain.tbl", std::string("41=A\n"));
    const Outcome none = RunCommand(cli::DumpCommand(), {"labels", rom, "--table", plain, "-d", dir});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "You have no available dump labels...\n");
}

TEST_F(DumpCommandsTest, FillAndInsertWriteTheWholeRom)
{
    const auto out = folder.file("out.smc");
    ASSERT_EQ(RunCommand(cli::FillCommand(), {rom, "--start", "20", "--end", "10", "--value", "1FF", "-o", out}).status,
              0);
    auto expected = bytes;
    std::fill(expected.begin() + 0x10, expected.begin() + 0x21, 0xFF);
    EXPECT_TRUE(ReadBytes(out) == expected);

    const auto block = folder.write("block.bin", PatternBytes(32, 3, 9));
    ASSERT_EQ(RunCommand(cli::InsertCommand(), {rom, block, "--at", "1FFF0", "-o", out}).status, 0);
    expected = bytes;
    const auto inserted = PatternBytes(16, 3, 9);
    std::copy(inserted.begin(), inserted.end(), expected.end() - 16);
    EXPECT_TRUE(ReadBytes(out) == expected);

    std::filesystem::remove(out);
    const std::pair<Outcome, std::string> refusals[] = {
        {RunCommand(cli::FillCommand(), {rom, "--start", "0", "--end", "20001", "--value", "0", "-o", out}),
         "Error: One of the offsets are Greater than file size!\n"},
        {RunCommand(cli::FillCommand(), {rom, "--start", "0", "--end", "1", "--value", "", "-o", out}),
         "Error: Must enter a value to use as a FILLER!\n"},
        {RunCommand(cli::InsertCommand(), {rom, block, "--at", "20000", "-o", out}),
         "Error: The insert position is past the end of the file!\n"},
        {RunCommand(cli::InsertCommand(), {rom, folder.file("missing"), "--at", "0", "-o", out}),
         "Fatal Error: Could not open requested file.\n" + folder.file("missing") + "\n"},
    };
    for (const auto& [result, message] : refusals) {
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, message);
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(DumpCommandsTest, WrongUsageAndTheBinary)
{
    const std::vector<std::pair<cli::Command, std::vector<std::string>>> cases = {
        {cli::DumpCommand(), {"text", rom, "--start", "0", "--end", "1", "-o", "x"}},  // no table
        {cli::DumpCommand(), {"hex", rom}},
        {cli::DumpCommand(), {"bin", rom, "--start", "0", "-o", "x"}},
        {cli::FillCommand(), {rom, "--start", "0", "--end", "1", "-o", "x"}},
        {cli::InsertCommand(), {rom, "--at", "0", "-o", "x"}},
    };
    for (const auto& [command, arguments] : cases) {
        const Outcome result = RunCommand(command, arguments);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
    const std::string tool = ZARVO_TOOL_PATH;
    const auto out = folder.file("piped.dat");
    const std::string command = tool + " dump bin " + rom + " --start 12000 --end 12001 -o - > " + out;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadBytes(out), (std::vector<uint8_t>{0x81, 0x40}));
}

}  // namespace
}  // namespace zarvo
