#include "cli/compare_command.h"
#include "cli/ips_command.h"
#include "cli/resize_command.h"
#include "cli/snes_command.h"
#include "cli/view_command.h"
#include "support/temp_folder.h"
#include "tools/ips_contract_cases.h"
#include "tools/ips_document.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
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

TEST(IpsCommand, CreateThenApplyGivesTheModifiedFileBack)
{
    TempFolder folder;
    const auto original = PatternBytes(200000);
    auto modified = original;
    modified[10] ^= 1;
    std::fill(modified.begin() + 1000, modified.begin() + 1020, 0xFF);
    modified.resize(210000, 0x5A);
    const auto originalPath = folder.write("game.smc", original);
    const auto patchPath = folder.file("game.ips");
    const auto outPath = folder.file("out.smc");
    for (const auto& target : {modified, std::vector<uint8_t>(original.begin(), original.begin() + 70000)}) {
        const auto targetPath = folder.write("target.smc", target);
        const Outcome created = RunCommand(cli::IpsCommand(), {"create", originalPath, targetPath, "-o", patchPath});
        ASSERT_EQ(created.status, 0) << created.err;
        EXPECT_EQ(created.out + created.err, "");
        ASSERT_EQ(RunCommand(cli::IpsCommand(), {"apply", originalPath, patchPath, "-o", outPath}).status, 0);
        EXPECT_TRUE(ReadBytes(outPath) == target);
    }
}

TEST(IpsCommand, FailuresSayWhyAndWriteNothing)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::string("\1\2\3", 3));
    const Outcome same = RunCommand(cli::IpsCommand(), {"create", rom, rom, "-o", folder.file("out.ips")});
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err, " These files are the same.\n No patch created.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.ips")));

    const auto out = folder.write("out.bin", std::string("old"));
    const std::pair<std::string, std::string> patches[] = {
        {folder.write("bad.ips", std::string("PATCX")), "Not a valid \"PATCH\" file!\n"},
        {folder.write("cut.ips", std::string("PATCH\0\0\1\0\5AB", 12)),
         "This PATCH file ends inside a record... No patching performed.\n"},
        {folder.file("none.ips"), "File Not found or Valid... No patching performed.\nzarvo-tool: cannot open " +
                                      folder.file("none.ips") + ": No such file or directory\n"},
        {folder.path().string(), "File Not found or Valid... No patching performed.\nzarvo-tool: " +
                                     folder.path().string() + " is not a regular file\n"},
    };
    for (const auto& [patch, message] : patches) {
        const Outcome refused = RunCommand(cli::IpsCommand(), {"apply", rom, patch, "-o", out});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, message);
    }
    EXPECT_EQ(ReadBytes(out), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

// zarvo-tool's ips apply keeps the contract of every other way of applying a patch.
TEST(IpsCommand, ApplyKeepsTheContract)
{
    TempFolder folder;
    const auto original = folder.write("original.bin", testing::kContractOriginal);
    for (const testing::IpsContractCase& c : testing::IpsContractCases()) {
        SCOPED_TRACE(c.name);
        const auto out = folder.file("out.bin");
        const Outcome applied =
            RunCommand(cli::IpsCommand(), {"apply", original, folder.write("p.ips", c.patch), "-o", out});
        if (c.error == IpsError::None) {
            EXPECT_EQ(applied.status, 0) << applied.err;
            EXPECT_TRUE(ReadBytes(out) == c.result);
        } else {
            EXPECT_EQ(applied.status, 1);
            EXPECT_EQ(applied.err, IpsApplyNotice(c.error).text + "\n");
            EXPECT_FALSE(std::filesystem::exists(out));
        }
        std::filesystem::remove(out);
    }
}

// Each refusal names the file and the reason; sizes past a limit say so.
TEST(ToolCommands, InputsAndOutputsThatCannotBeUsedAreNamed)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", PatternBytes(300));
    const auto fifo = folder.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto huge = folder.write("huge.bin", "");
    std::filesystem::resize_file(huge, int64_t{1} << 31);
    const auto dir = folder.path().string();
    const struct {
        cli::Command command;
        std::vector<std::string> arguments;
        int status;
        std::string err;  // the start of what is said
    } cases[] = {
        {cli::ViewCommand(), {"/dev/zero"}, 1, "zarvo-tool: /dev/zero is not a regular file\n"},
        {cli::ViewCommand(),
         {huge},
         1,
         "zarvo-tool: " + huge + " is 2 GiB or larger, more than 32-bit offsets can address\n"},
        {cli::ViewCommand(), {rom, "--table", "/dev/zero"}, 1, "zarvo-tool: /dev/zero is not a regular file\n"},
        {cli::ViewCommand(), {rom, "--table", dir}, 1, "zarvo-tool: " + dir + " is not a regular file\n"},
        {cli::ViewCommand(),
         {rom, "--offset", "80000000"},
         2,
         "--offset 80000000 is too large: offsets go up to 7FFFFFFF\n"},
        {cli::SnesCommand(),
         {"addr", "--lorom", "--to-snes", "1000000"},
         2,
         "the value 1000000 is too large: the converter's fields hold at most FFFFFF\n"},
        {cli::IpsCommand(),
         {"create", rom, fifo, "-o", folder.file("p.ips")},
         1,
         "zarvo-tool: " + fifo + " is not a regular file\n"},
        {cli::IpsCommand(),
         {"create", huge, rom, "-o", folder.file("p.ips")},
         1,
         "The UNCHANGED file is 2 GB or larger, more than can be read.\n No patch created.\nzarvo-tool: " + huge +
             " is 2 GiB or larger"},
        {cli::IpsCommand(),
         {"create", rom, folder.write("other.bin", PatternBytes(300, 5)), "-o", dir + "/no/p.ips"},
         1,
         "zarvo-tool: cannot write " + dir + "/no/p.ips: No such file or directory\n"},
        {cli::ResizeCommand(), {rom, "1", "--mbits", "-o", dir}, 1, "zarvo-tool: " + dir + " is not a regular file\n"},
        {cli::CompareCommand(),
         {rom, fifo},
         1,
         "Fatal Error: Could not open A file...\nzarvo-tool: " + fifo + " is not a regular file\n"},
    };
    for (const auto& c : cases) {
        const Outcome result = RunCommand(c.command, c.arguments);
        EXPECT_EQ(result.status, c.status) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("p.ips")));
}

TEST(SnesCommand, AddressesAsTheOtherFieldShowsThem)
{
    EXPECT_EQ(RunCommand(cli::SnesCommand(), {"addr", "--lorom", "--to-snes", "200", "--header"}).out, "008000\n");
    EXPECT_EQ(RunCommand(cli::SnesCommand(), {"addr", "--lorom", "--to-file", "008000", "--bank80"}).out, "400000\n");
    EXPECT_EQ(RunCommand(cli::SnesCommand(), {"addr", "--vram", "--to-file", "0"}).out, "020C13\n");
    const Outcome refused = RunCommand(cli::SnesCommand(), {"addr", "--hirom", "--to-file", "BFFFFF"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Address must be >= $Cxxxxxx\n");
}

TEST(SnesCommand, ChecksumReportAndRepair)
{
    // A 1 MiB Lo-ROM image whose bytes sum to 0x20F.
    const auto image = [](uint16_t complement, uint16_t checksum) {
        std::vector<uint8_t> bytes(0x100000, 0);
        bytes[0x7FDC] = static_cast<uint8_t>(complement);
        bytes[0x7FDD] = static_cast<uint8_t>(complement >> 8);
        bytes[0x7FDE] = static_cast<uint8_t>(checksum);
        bytes[0x7FDF] = static_cast<uint8_t>(checksum >> 8);
        bytes[0] = 0x01;
        bytes[0xFFFFF] = 0x10;
        return bytes;
    };
    TempFolder folder;
    const auto rom = folder.write("rom.sfc", image(0xFFFF, 0));
    const std::string line = "header 07FC0 checksum 0000 complement FFFF new 020F FDF0\n";
    EXPECT_EQ(RunCommand(cli::SnesCommand(), {"checksum", rom}).out, line);

    const auto fixed = folder.file("fixed.sfc");
    const Outcome repaired = RunCommand(cli::SnesCommand(), {"checksum", rom, "--fix", "-o", fixed});
    EXPECT_EQ(repaired.status, 0) << repaired.err;
    EXPECT_EQ(repaired.out, line);
    EXPECT_TRUE(ReadBytes(fixed) == image(0xFDF0, 0x020F));

    const auto again = folder.file("again.sfc");
    EXPECT_EQ(RunCommand(cli::SnesCommand(), {"checksum", fixed, "--fix", "-o", again}).out,
              "header 07FC0 checksum 020F complement FDF0 new 020F FDF0\nNo checksum repair needed.\n");
    EXPECT_TRUE(ReadBytes(again) == ReadBytes(fixed));

    const auto small = folder.write("small.sfc", std::vector<uint8_t>(0x101EF, 0));
    const Outcome refused = RunCommand(cli::SnesCommand(), {"checksum", small, "--fix", "-o", folder.file("no.sfc")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "The ROM file is too small to fix! \n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("no.sfc")));
}

TEST(CompareAndResizeCommands, ListLinesAndNewSizes)
{
    TempFolder folder;
    auto bytes = PatternBytes(0x200);
    const auto first = folder.write("a.bin", bytes);
    bytes[0x1F] ^= 1;
    for (int i = 0x100; i < 0x103; ++i) bytes[i] ^= 1;
    const auto second = folder.write("b.bin", bytes);
    EXPECT_EQ(RunCommand(cli::CompareCommand(), {first, second}).out,
              "[0000001F] ;      1 byte  different at location.\n"
              "[00000100] ;      3 bytes different at location.\n");
    EXPECT_EQ(RunCommand(cli::CompareCommand(), {first, first}).out, "These files match to smallest file length.\n");
    EXPECT_EQ(RunCommand(cli::CompareCommand(), {first, folder.file("none")}).err,
              "Fatal Error: Could not open A file...\nzarvo-tool: cannot open " + folder.file("none") +
                  ": No such file or directory\n");

    const auto out = folder.file("out.bin");
    ASSERT_EQ(RunCommand(cli::ResizeCommand(), {first, "1", "--mbits", "--header", "512", "-o", out}).status, 0);
    const auto resized = ReadBytes(out);
    ASSERT_EQ(resized.size(), 131072U + 512U);
    EXPECT_EQ(resized[0x1FF], PatternBytes(0x200)[0x1FF]);
    EXPECT_EQ(resized[0x200], 0xFF);
    const Outcome tooLarge = RunCommand(cli::ResizeCommand(), {first, "16384", "--mbits", "-o", folder.file("big")});
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("big")));
}

TEST(ToolCommands, WrongUsageGivesStatus2)
{
    const std::vector<std::pair<cli::Command, std::vector<std::string>>> cases = {
        {cli::IpsCommand(), {"merge", "a", "b", "-o", "c"}},
        {cli::SnesCommand(), {"addr", "--lorom", "--hirom", "--to-snes", "200"}},
        {cli::SnesCommand(), {"addr", "--lorom", "--to-snes", "1000000"}},  // the fields hold six digits
        {cli::SnesCommand(), {"checksum", "a", "--fix"}},
        {cli::CompareCommand(), {"a"}},
        {cli::ResizeCommand(), {"a", "1.5", "--mbits", "-o", "b"}},
    };
    for (const auto& [command, arguments] : cases) {
        const Outcome result = RunCommand(command, arguments);
        EXPECT_EQ(result.status, 2) << command.name << " " << ::testing::PrintToString(arguments);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
    for (const char* command : {"ips", "snes", "compare", "resize"}) {
        EXPECT_EQ(std::system((std::string(ZARVO_TOOL_PATH) + " " + command + " --help > /dev/null").c_str()), 0);
    }
}

}  // namespace
}  // namespace zarvo
