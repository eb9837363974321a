#include "cli/bps_command.h"
#include "cli/ups_command.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tools/bps_model.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::RunCommand;
using testing::Words;

// The files' own bytes are patched: a small file is not read as the editor's 64 KiB view.
class PatchCommandsTest : public ::testing::Test {
protected:
    PatchCommandsTest()
        : original(PatternBytes(3000)), modified(original), rom(folder.write("rom.bin", original))
    {
        modified.insert(modified.begin() + 100, {'N', 'E', 'W'});
        modified.resize(2000);
        target = folder.write("new.bin", modified);
    }

    testing::TempFolder folder;
    std::vector<uint8_t> original, modified;
    std::string rom, target;
};

TEST_F(PatchCommandsTest, CreatedPatchAppliesToTheOriginalOnly)
{
    const auto patch = folder.file("p.bps");
    const auto meta = folder.write("meta.xml", "<patch/>");
    ASSERT_EQ(RunCommand(cli::BpsCommand(), {"create", rom, target, "-o", patch, "--metadata", meta}).status, 0);
    EXPECT_TRUE(testing::ModelApplyBps(ReadBytes(patch), original) == modified);
    const auto out = folder.file("out.bin");
    ASSERT_EQ(RunCommand(cli::BpsCommand(), {"apply", rom, patch, "-o", out}).status, 0);
    EXPECT_TRUE(ReadBytes(out) == modified);
    std::filesystem::remove(out);
    const auto again = RunCommand(cli::BpsCommand(), {"apply", target, patch, "-o", out});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("already the patched file"), std::string::npos) << again.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(PatchCommandsTest, InfoShowsSizesCrcsAndMetadata)
{
    const std::vector<uint8_t> known = {0x42, 0x50, 0x53, 0x31, 0x84, 0x84, 0x80, 0x88, 0x81, 0x45, 0xA5,
                                        0x20, 0x17, 0xDB, 0x33, 0x10, 0x10, 0xAC, 0x0F, 0x3B, 0x4F, 0x6A};
    const auto info = RunCommand(cli::BpsCommand(), {"info", folder.write("k.bps", known)});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out,
              "source size:   4\ntarget size:   4\nsource CRC32:  DB1720A5\ntarget CRC32:  AC101033\n"
              "patch CRC32:   6A4F3B0F (holds)\nmetadata:      0 bytes\n");
    auto damaged = known;
    damaged[9] = 'F';
    EXPECT_EQ(RunCommand(cli::BpsCommand(), {"info", folder.write("d.bps", damaged)}).status, 1);
}

TEST_F(PatchCommandsTest, RefusalsWriteNothing)
{
    const auto out = folder.file("out.bin");
    const auto ups = folder.write("p.ups", testing::ModelUps(original, modified));
    const auto cut = folder.write("cut.bps", std::string(18, 'B'));
    const testing::CommandRun runs[] = {
        {cli::BpsCommand(), Words{"apply", rom, cut, "-o", out}, 1, "", "zarvo-tool: This is not a BPS patch"},
        {cli::BpsCommand(), Words{"apply", rom, ups, "-o", out}, 1, "", "zarvo-tool: This is not a BPS patch"},
        {cli::UpsCommand(), Words{"apply", folder.write("x.bin", "x"), ups, "-o", out}, 1, "",
         "zarvo-tool: This patch was made for another file"},
        {cli::BpsCommand(), Words{"apply", rom, "-o", out}, 2},
        {cli::BpsCommand(), Words{"create", rom, target}, 2},
        {cli::UpsCommand(), Words{"create", rom, target, "-o", out}, 2},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(PatchCommandsTest, UpsAppliesBothWays)
{
    const auto ups = folder.write("p.ups", testing::ModelUps(original, modified));
    const auto out = folder.file("out.bin");
    ASSERT_EQ(RunCommand(cli::UpsCommand(), {"apply", rom, ups, "-o", out}).status, 0);
    EXPECT_TRUE(ReadBytes(out) == modified);
    ASSERT_EQ(RunCommand(cli::UpsCommand(), {"apply", target, ups, "-o", out}).status, 0);
    EXPECT_TRUE(ReadBytes(out) == original);
}

}  // namespace
}  // namespace zarvo
