#include "cli/compare_command.h"
#include "cli/ips_command.h"
#include "cli/resize_command.h"
#include "cli/snes_command.h"
#include "support/temp_folder.h"

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

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> bytes) { return bytes; }

TEST(IpsCommand, CreateThenApplyGivesTheModifiedFileBack)
{
    TempFolder folder;
    auto original = PatternBytes(200000);
    auto modified = original;
    modified[10] ^= 1;
    std::fill(modified.begin() + 1000, modified.begin() + 1020, 0xFF);
    modified.resize(210000, 0x5A);
    const auto originalPath = folder.write("game.smc", original);
    const auto modifiedPath = folder.write("game-new.smc", modified);
    const auto patchPath = folder.file("game.ips");

    const Outcome created = RunCommand(cli::IpsCommand(), {"create", originalPath, modifiedPath, "-o", patchPath});
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.out, "");
    const auto patch = ReadBytes(patchPath);
    ASSERT_GE(patch.size(), 8U);
    EXPECT_EQ(std::string(patch.begin(), patch.begin() + 5), "PATCH");

    const auto outPath = folder.file("patched.smc");
    const Outcome applied = RunCommand(cli::IpsCommand(), {"apply", originalPath, patchPath, "-o", outPath});
    ASSERT_EQ(applied.status, 0) << applied.err;
    EXPECT_TRUE(ReadBytes(outPath) == modified);

    // Shorter: the patch cuts the file.
    const auto shortPath = folder.write("short.smc", std::vector<uint8_t>(original.begin(), original.begin() + 70000));
    ASSERT_EQ(RunCommand(cli::IpsCommand(), {"create", originalPath, shortPath, "-o", patchPath}).status, 0);
    ASSERT_EQ(RunCommand(cli::IpsCommand(), {"apply", originalPath, patchPath, "-o", outPath}).status, 0);
    EXPECT_EQ(ReadBytes(outPath).size(), 70000U);
}

TEST(IpsCommand, FailuresWriteNothing)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", Bytes({1, 2, 3}));
    const auto patchPath = folder.file("out.ips");

    const Outcome same = RunCommand(cli::IpsCommand(), {"create", rom, rom, "-o", patchPath});
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err, " These files are the same.\n No patch created.\n");
    EXPECT_FALSE(std::filesystem::exists(patchPath));

    const Outcome noOriginal = RunCommand(cli::IpsCommand(), {"create", folder.file("none.bin"), rom, "-o", patchPath});
    EXPECT_EQ(noOriginal.status, 1);
    EXPECT_EQ(noOriginal.err, "File Not found or Valid... No patch created.\n");

    const auto outPath = folder.write("out.bin", std::string("old"));
    const auto notAPatch = folder.write("bad.ips", std::string("PATCX"));
    const Outcome bad = RunCommand(cli::IpsCommand(), {"apply", rom, notAPatch, "-o", outPath});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Not a valid \"PATCH\" file!\n");
    const auto truncated = folder.write("cut.ips", std::string("PATCH\0\0\1\0\5AB", 12));
    EXPECT_EQ(RunCommand(cli::IpsCommand(), {"apply", rom, truncated, "-o", outPath}).status, 1);
    const Outcome noPatch = RunCommand(cli::IpsCommand(), {"apply", rom, folder.file("none.ips"), "-o", outPath});
    EXPECT_EQ(noPatch.err, "File Not found or Valid... No patching performed.\n");
    EXPECT_EQ(ReadBytes(outPath), Bytes({'o', 'l', 'd'}));
}

TEST(IpsCommand, AppliesAPatchMadeByHand)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", Bytes({1, 2, 3, 4}));
    // A run record past the end, then the size to cut to after "EOF".
    const auto patch = folder.write("p.ips", std::string("PATCH\0\0\6\0\0\0\3\x7F" "EOF\0\0\x08", 19));
    const auto out = folder.file("out.bin");
    ASSERT_EQ(RunCommand(cli::IpsCommand(), {"apply", rom, patch, "-o", out}).status, 0);
    EXPECT_EQ(ReadBytes(out), Bytes({1, 2, 3, 4, 0, 0, 0x7F, 0x7F}));
}

TEST(SnesCommand, AddressesAsTheOtherFieldShowsThem)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"addr", "--lorom", "--to-snes", "200", "--header"}, "008000\n"},
        {{"addr", "--lorom", "--to-file", "008000", "--bank80"}, "400000\n"},
        {{"addr", "--lorom", "--to-file", "018200", "--header"}, "008400\n"},
        {{"addr", "--hirom", "--to-snes", "123456"}, "D23456\n"},
        {{"addr", "--memory", "--to-file", "7E0000"}, "000C13\n"},
        {{"addr", "--vram", "--to-file", "0"}, "020C13\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        const Outcome result = RunCommand(cli::SnesCommand(), arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, expected) << arguments[1] << " " << arguments[3];
    }
    const Outcome refused = RunCommand(cli::SnesCommand(), {"addr", "--hirom", "--to-file", "BFFFFF"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Address must be >= $Cxxxxxx\n");
}

// A 1 MiB Lo-ROM image of zero bytes with a header whose sum is 0x20F.
std::vector<uint8_t> LoRomImage(uint16_t complement, uint16_t checksum)
{
    std::vector<uint8_t> image(0x100000, 0);
    image[0x7FDC] = static_cast<uint8_t>(complement);
    image[0x7FDD] = static_cast<uint8_t>(complement >> 8);
    image[0x7FDE] = static_cast<uint8_t>(checksum);
    image[0x7FDF] = static_cast<uint8_t>(checksum >> 8);
    image[0] = 0x01;
    image[0xFFFFF] = 0x10;
    return image;
}

TEST(SnesCommand, ChecksumReportAndRepair)
{
    TempFolder folder;
    const auto rom = folder.write("rom.sfc", LoRomImage(0xFFFF, 0x0000));
    const Outcome report = RunCommand(cli::SnesCommand(), {"checksum", rom});
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out, "header 07FC0 checksum 0000 complement FFFF new 020F FDF0\n");

    const auto fixed = folder.file("fixed.sfc");
    const Outcome repair = RunCommand(cli::SnesCommand(), {"checksum", rom, "--fix", "-o", fixed});
    EXPECT_EQ(repair.status, 0) << repair.err;
    EXPECT_EQ(repair.out, "header 07FC0 checksum 0000 complement FFFF new 020F FDF0\n");
    EXPECT_TRUE(ReadBytes(fixed) == LoRomImage(0xFDF0, 0x020F));

    const auto again = folder.file("again.sfc");
    const Outcome notNeeded = RunCommand(cli::SnesCommand(), {"checksum", fixed, "--fix", "-o", again});
    EXPECT_EQ(notNeeded.status, 0);
    EXPECT_EQ(notNeeded.out,
              "header 07FC0 checksum 020F complement FDF0 new 020F FDF0\nNo checksum repair needed.\n");
    EXPECT_TRUE(ReadBytes(again) == ReadBytes(fixed));

    const auto small = folder.write("small.sfc", std::vector<uint8_t>(0x101EF, 0));
    const Outcome refused = RunCommand(cli::SnesCommand(), {"checksum", small, "--fix", "-o", folder.file("no.sfc")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "The ROM file is too small to fix! \n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("no.sfc")));
}

TEST(CompareCommand, PrintsTheListLines)
{
    TempFolder folder;
    auto bytes = PatternBytes(0x200);
    const auto first = folder.write("a.bin", bytes);
    bytes[0x1F] ^= 1;
    for (int i = 0x100; i < 0x103; ++i) bytes[i] ^= 1;
    bytes.resize(0x300, 0);
    const auto second = folder.write("b.bin", bytes);
    const Outcome listed = RunCommand(cli::CompareCommand(), {first, second});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "[0000001F] ;      1 byte  different at location.\n"
              "[00000100] ;      3 bytes different at location.\n");
    EXPECT_EQ(RunCommand(cli::CompareCommand(), {first, first}).out, "These files match to smallest file length.\n");
    const Outcome missing = RunCommand(cli::CompareCommand(), {first, folder.file("none.bin")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Fatal Error: Could not open A file...\n");
}

TEST(ResizeCommand, UnitsAndHeader)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::vector<uint8_t>(0x100000, 0x11));
    const auto out = folder.file("out.bin");
    ASSERT_EQ(RunCommand(cli::ResizeCommand(), {rom, "16", "--mbits", "-o", out}).status, 0);
    auto bytes = ReadBytes(out);
    ASSERT_EQ(bytes.size(), 2097152U);
    EXPECT_EQ(bytes[0xFFFFF], 0x11);
    EXPECT_EQ(bytes[0x100000], 0xFF);

    ASSERT_EQ(RunCommand(cli::ResizeCommand(), {rom, "8", "--bytes", "--header", "512", "-o", out}).status, 0);
    EXPECT_EQ(ReadBytes(out).size(), 520U);
    ASSERT_EQ(RunCommand(cli::ResizeCommand(), {rom, "1", "--mbytes", "-o", out}).status, 0);
    EXPECT_TRUE(ReadBytes(out) == std::vector<uint8_t>(0x100000, 0x11));

    const Outcome tooLarge = RunCommand(cli::ResizeCommand(), {rom, "16384", "--mbits", "-o", folder.file("big.bin")});
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_NE(tooLarge.err, "");
    EXPECT_FALSE(std::filesystem::exists(folder.file("big.bin")));
}

TEST(ToolCommands, WrongUsageGivesStatus2)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::string("AB"));
    const std::vector<std::pair<cli::Command, std::vector<std::string>>> cases = {
        {cli::IpsCommand(), {}},
        {cli::IpsCommand(), {"create", rom, rom}},
        {cli::IpsCommand(), {"merge", rom, rom, "-o", rom}},
        {cli::IpsCommand(), {"apply", rom, "-o", rom}},
        {cli::SnesCommand(), {"addr", "--to-snes", "200"}},
        {cli::SnesCommand(), {"addr", "--lorom", "--hirom", "--to-snes", "200"}},
        {cli::SnesCommand(), {"addr", "--lorom", "--to-snes", "200", "--to-file", "8000"}},
        {cli::SnesCommand(), {"addr", "--lorom", "--to-snes", "1000000"}},
        {cli::SnesCommand(), {"addr", "--lorom", "--to-snes", "xyz"}},
        {cli::SnesCommand(), {"checksum", rom, "--fix"}},
        {cli::SnesCommand(), {"checksum", rom, "-o", rom}},
        {cli::SnesCommand(), {"checksum"}},
        {cli::SnesCommand(), {}},
        {cli::CompareCommand(), {rom}},
        {cli::CompareCommand(), {rom, rom, rom}},
        {cli::ResizeCommand(), {rom, "16", "-o", rom}},
        {cli::ResizeCommand(), {rom, "16", "--mbits", "--bytes", "-o", rom}},
        {cli::ResizeCommand(), {rom, "16", "--mbits"}},
        {cli::ResizeCommand(), {rom, "1.5", "--mbits", "-o", rom}},
        {cli::ResizeCommand(), {rom, "16", "--mbits", "--header", "x", "-o", rom}},
    };
    for (const auto& [command, arguments] : cases) {
        const Outcome result = RunCommand(command, arguments);
        EXPECT_EQ(result.status, 2) << command.name << " " << ::testing::PrintToString(arguments);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(rom), Bytes({'A', 'B'}));
}

TEST(ZarvoTool, ToolCommandsPrintTheirUsage)
{
    const std::string tool = ZARVO_TOOL_PATH;
    for (const char* command : {"ips", "snes", "compare", "resize"}) {
        EXPECT_EQ(std::system((tool + " " + command + " --help > /dev/null").c_str()), 0) << command;
    }
}

}  // namespace
}  // namespace zarvo
