#include "cli/dump_command.h"
#include "cli/fill_command.h"
#include "cli/insert_command.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::ReadText;
using testing::RunCommand;
using testing::Words;

// A ROM of 0x20000 bytes holding a short script at 0x12000, and its table.
class DumpCommandsTest : public ::testing::Test {
protected:
    DumpCommandsTest() : bytes(PatternBytes(0x20000))
    {
        const uint8_t script[] = {0x81, 0x40, 0x41, 0x60, 0xFE, 0xF0, 0xF1, 0xF2, 0xF3, 0x10, 0x2A, 0xFF};
        std::copy(std::begin(script), std::end(script), bytes.begin() + 0x12000);
        rom = folder.write("game.smc", bytes);
        table = folder.write("game.tbl", std::string("41=A\r\n60=th\n8140=you\n/FE\n*FF\n[00012000-0001200B]Intro\n"
                                                     "[0001200C-0001200B]Empty\n.code=$F0 \"[WAIT]\"\n"
                                                     ".dual $F1F2 \"[NAME]\"\n.multicode $F3 2 \"[SE_]\"\n"
                                                     ".STARTDUMP \"%RomName %tblname\\n\",\n"
                                                     "\"%startofs-%endofs %dumpsize\\n\"\n.enddump \"\\n[%offset]\""));
        header = rom + " " + table + "\n";
    }
    Words Dump(const std::string& mode, const std::string& start, const std::string& end, const std::string& out)
    {
        Words arguments = {mode, rom, "--start", start, "--end", end, "-o", out};
        if (mode == "text") arguments.insert(arguments.end(), {"--table", table});
        return arguments;
    }

    testing::TempFolder folder;
    std::vector<uint8_t> bytes;
    std::string rom, table, header;
};

TEST_F(DumpCommandsTest, TextAndBinaryDumps)
{
    const auto out = folder.file("intro.txt");
    const auto done = RunCommand(cli::DumpCommand(), Dump("text", "12000", "1200B", out));
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out + done.err, "");
    EXPECT_EQ(ReadText(out), header + "00012000-0001200B 12\nyouAth\n[WAIT][NAME][SE$102A]<END>\n\n[0001200C]");
    EXPECT_EQ(RunCommand(cli::DumpCommand(), Dump("text", "1200C", "1200b", "-")).out,
              header + "0001200C-0001200B 0\n\n[0001200C]");
    EXPECT_EQ(RunCommand(cli::DumpCommand(), Dump("bin", "12000", "12001", "-")).out, "\x81\x40");
    ASSERT_EQ(RunCommand(cli::DumpCommand(), Dump("bin", "1FFF0", "FFFFFFFF", out)).status, 0);  // cut at the end
    EXPECT_TRUE(ReadBytes(out) == std::vector<uint8_t>(bytes.end() - 16, bytes.end()));
}

TEST_F(DumpCommandsTest, EveryLabelToItsOwnFile)
{
    const auto dir = folder.file("labels");
    std::filesystem::create_directory(dir);
    const auto text = RunCommand(cli::DumpCommand(), {"labels", rom, "--table", table, "-d", dir});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, dir + "/Intro.txt\n" + dir + "/Empty.txt\n");
    EXPECT_EQ(ReadText(dir + "/Empty.txt"), header + "0001200C-0001200B 0\n\n[0001200C]");
    const auto binary = RunCommand(cli::DumpCommand(), {"labels", rom, "--table", table, "--bin", "-d", dir});
    EXPECT_EQ(binary.out, dir + "/Intro.dat\n" + dir + "/Empty.dat\n");
    EXPECT_EQ(ReadBytes(dir + "/Intro.dat").size(), 12U);
}

TEST_F(DumpCommandsTest, LabelsThatWouldWriteOutsideTheFolderOrOverTheirInputsAreRefused)
{
    // The ROM and the table lie in the dump folder, as in a translation project's folder.
    const auto dir = folder.file("project");
    std::filesystem::create_directory(dir);
    const auto romHere = dir + "/rom.txt";
    std::filesystem::copy_file(rom, romHere);
    const auto tableHere = dir + "/tbl.txt";
    std::filesystem::create_symlink(folder.file("outside.txt"), dir + "/link.txt");
    const std::pair<std::string, std::string> labels[] = {
        {"../escaped", "its name holds '/' or '\\'."},
        {"..", "its name holds \"..\"."},
        {"", "it has no name."},
        {"bell\x07", "its name holds a control character."},
        {"rom", "its file " + romHere + " is the file being dumped."},
        {"tbl", "its file " + tableHere + " is the table being read."},
        {"link", "its file " + dir + "/link.txt is a symbolic link."},
        {"Intro", ""},
        {"Intro", "its file " + dir + "/Intro.txt is written by an earlier label."},
    };
    std::string content = "41=A\n";
    for (const auto& [name, reason] : labels) content += "[00012000-00012001]" + name + "\n";
    folder.write("project/tbl.txt", content);

    const auto run = RunCommand(cli::DumpCommand(), {"labels", romHere, "--table", tableHere, "-d", dir});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, dir + "/Intro.txt\n");
    std::string expected;
    for (const auto& [name, reason] : labels) {
        if (!reason.empty()) {
            expected += "zarvo-tool: The dump label [00012000-00012001]" + name + " was not dumped: " + reason + "\n";
        }
    }
    EXPECT_EQ(run.err, expected);
    EXPECT_EQ(ReadText(dir + "/Intro.txt"), "($81)($40)");
    EXPECT_FALSE(std::filesystem::exists(folder.file("escaped.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("outside.txt")));
    EXPECT_TRUE(ReadBytes(romHere) == bytes);
    EXPECT_EQ(ReadText(tableHere), content);
}

TEST_F(DumpCommandsTest, RefusedNamesShowControlBytesAsDotsOnATerminal)
{
    const auto tbl = folder.write("esc.tbl", "[00000000-00000001]\x1B]0;title\x07\n");
    const std::string shown =
        testing::ShownOnTerminal("dump labels " + rom + " --table " + tbl + " -d " + folder.path().string());
    EXPECT_NE(shown.find("[00000000-00000001].]0;title. was not dumped"), std::string::npos) << shown;
}

TEST_F(DumpCommandsTest, EveryLabelIsDumpedHoweverManyTheTableHolds)
{
    std::string content;
    for (int i = 0; i < 200; ++i) content += "[00000000-00000000]label" + std::to_string(i) + "\n";
    const auto dir = folder.file("many");
    std::filesystem::create_directory(dir);
    const auto run = RunCommand(cli::DumpCommand(),
                                {"labels", rom, "--table", folder.write("many.tbl", content), "--bin", "-d", dir});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir + "/label199.dat"));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 200);
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
    std::copy_n(PatternBytes(16, 3, 9).begin(), 16, expected.end() - 16);  // the rest does not fit
    EXPECT_TRUE(ReadBytes(out) == expected);
}

TEST_F(DumpCommandsTest, RefusalsGoToStandardErrorAndWriteNoFile)
{
    const auto none = folder.file("none");
    const std::string missing = folder.file("gone/x.dat");
    const testing::CommandRun runs[] = {
        {cli::DumpCommand(), Dump("text", "20", "1E", none), 1, "",
         "Ending Address is Less Than Starting Address...\n"},
        {cli::DumpCommand(), Dump("bin", "0", "1", missing), 1, "",
         "zarvo-tool: cannot write " + missing + ": No such file or directory\n"},
        {cli::DumpCommand(), Words{"labels", rom, "--table", folder.write("plain.tbl", "41=A\n")}, 1, "",
         "You have no available dump labels...\n"},
        {cli::InsertCommand(), Words{rom, rom, "--at", "20000", "-o", none}, 1, "",
         "Error: The insert position is past the end of the file!\n"},
        {cli::DumpCommand(), Words{"text", rom, "--start", "0", "--end", "1", "-o", none}, 2},  // no table
        {cli::FillCommand(), Words{rom, "--start", "0", "--end", "1", "-o", none}, 2},
        {cli::InsertCommand(), Words{rom, "--at", "0", "-o", none}, 2},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);
    EXPECT_FALSE(std::filesystem::exists(none));
}

}  // namespace
}  // namespace zarvo
