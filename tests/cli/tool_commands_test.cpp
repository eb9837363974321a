#include "cli/compare_command.h"
#include "cli/ips_command.h"
#include "cli/resize_command.h"
#include "cli/snes_command.h"
#include "cli/view_command.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tools/ips_contract_cases.h"
#include "tools/ips_document.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::RunCommand;
using testing::TempFolder;
using testing::Words;

// zarvo-tool's ips apply keeps the contract of every other way of applying a patch.
TEST(IpsCommand, ApplyKeepsTheContract)
{
    TempFolder folder;
    const auto original = folder.write("original.bin", testing::kContractOriginal);
    const auto out = folder.file("out.bin");
    for (const testing::IpsContractCase& c : testing::IpsContractCases()) {
        SCOPED_TRACE(c.name);
        const auto applied =
            RunCommand(cli::IpsCommand(), {"apply", original, folder.write("p.ips", c.patch), "-o", out});
        EXPECT_EQ(applied.status, c.error == IpsError::None ? 0 : 1);
        EXPECT_EQ(applied.err, c.error == IpsError::None ? "" : IpsApplyNotice(c.error).text + "\n");
        EXPECT_TRUE(c.error == IpsError::None ? ReadBytes(out) == c.result : !std::filesystem::exists(out));
        std::filesystem::remove(out);
    }
}

// What each command says, prints and writes; every refusal names the file and the reason,
// and writes nothing.
TEST(ToolCommands, StatusesOutputsAndMessages)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", std::string("\1\2\3", 3));
    const auto fifo = folder.fifo("fifo");
    const auto huge = folder.sparse("huge.bin", int64_t{1} << 31);
    const auto dir = folder.path().string();
    const auto out = folder.write("out.bin", std::string("old"));
    auto bytes = PatternBytes(0x200);
    const auto first = folder.write("a.bin", bytes);
    bytes[0x1F] ^= 1;
    for (int i = 0x100; i < 0x103; ++i) bytes[i] ^= 1;
    const auto second = folder.write("b.bin", bytes);
    // A 1 MiB Lo-ROM image whose bytes sum to 0x20F, and its checksum report.
    const auto image = [](uint16_t complement, uint16_t checksum) {
        return testing::SnesImage(0x100000, 0x7FC0, complement, checksum, {{0, 0x01}, {0xFFFFF, 0x10}});
    };
    const auto snes = folder.write("game.sfc", image(0xFFFF, 0));
    const std::string report = "header 07FC0 checksum 0000 complement FFFF new 020F FDF0\n";
    const auto fixed = folder.file("fixed.sfc");
    const std::string patchRefused = "File Not found or Valid... No patching performed.\nzarvo-tool: ";
    const testing::CommandRun runs[] = {
        {cli::ViewCommand(), Words{"/dev/zero"}, 1, "", "zarvo-tool: /dev/zero is not a regular file\n"},
        {cli::ViewCommand(), Words{huge}, 1, "",
         "zarvo-tool: " + huge + " is 2 GiB or larger, more than 32-bit offsets can address\n"},
        {cli::ViewCommand(), Words{first, "--table", dir}, 1, "", "zarvo-tool: " + dir + " is not a regular file\n"},
        {cli::ViewCommand(), Words{first, "--offset", "80000000"}, 2, "",
         "--offset: 80000000 is too large: offsets go up to 7FFFFFFF\n"},
        {cli::IpsCommand(), Words{"create", first, second, "-o", folder.file("made.ips")}, 0, "", ""},
        {cli::IpsCommand(), Words{"create", rom, rom, "-o", folder.file("p.ips")}, 1, "",
         " These files are the same.\n No patch created.\n"},
        {cli::IpsCommand(), Words{"create", rom, fifo, "-o", folder.file("p.ips")}, 1, "",
         "zarvo-tool: " + fifo + " is not a regular file\n"},
        {cli::IpsCommand(), Words{"create", huge, rom, "-o", folder.file("p.ips")}, 1, "",
         "The UNCHANGED file is 2 GB or larger, more than can be read.\n No patch created.\nzarvo-tool: " + huge +
             " is 2 GiB or larger"},
        {cli::IpsCommand(), Words{"create", rom, first, "-o", dir + "/no/p.ips"}, 1, "",
         "zarvo-tool: cannot write " + dir + "/no/p.ips: No such file or directory\n"},
        {cli::IpsCommand(), Words{"apply", rom, folder.write("bad.ips", std::string("PATCX")), "-o", out}, 1, "",
         "Not a valid \"PATCH\" file!\n"},
        {cli::IpsCommand(),
         Words{"apply", rom, folder.write("cut.ips", std::string("PATCH\0\0\1\0\5AB", 12)), "-o", out}, 1, "",
         "This PATCH file ends inside a record... No patching performed.\n"},
        {cli::IpsCommand(), Words{"apply", rom, folder.file("none.ips"), "-o", out}, 1, "",
         patchRefused + "cannot open " + folder.file("none.ips") + ": No such file or directory\n"},
        {cli::IpsCommand(), Words{"apply", rom, dir, "-o", out}, 1, "",
         patchRefused + dir + " is not a regular file\n"},
        {cli::SnesCommand(), Words{"addr", "--lorom", "--to-snes", "200", "--header"}, 0, "008000\n", ""},
        {cli::SnesCommand(), Words{"addr", "--lorom", "--to-file", "008000", "--bank80"}, 0, "400000\n", ""},
        {cli::SnesCommand(), Words{"addr", "--vram", "--to-file", "0"}, 0, "020C13\n", ""},
        {cli::SnesCommand(), Words{"addr", "--hirom", "--to-file", "BFFFFF"}, 1, "", "Address must be >= $Cxxxxxx\n"},
        {cli::SnesCommand(), Words{"addr", "--lorom", "--to-snes", "1000000"}, 2, "",
         "--to-snes: 1000000 is too large: the converter's fields hold at most FFFFFF\n"},
        {cli::SnesCommand(), Words{"checksum", first, "--fix", "-o", folder.file("no.sfc")}, 1, "",
         "The ROM file is too small to fix! \n"},
        {cli::SnesCommand(), Words{"checksum", snes}, 0, report, ""},
        {cli::SnesCommand(), Words{"checksum", snes, "--fix", "-o", fixed}, 0, report, ""},
        {cli::SnesCommand(), Words{"checksum", fixed, "--fix", "-o", folder.file("again.sfc")}, 0,
         "header 07FC0 checksum 020F complement FDF0 new 020F FDF0\nNo checksum repair needed.\n", ""},
        {cli::CompareCommand(), Words{first, second}, 0,
         "[0000001F] ;      1 byte  different at location.\n[00000100] ;      3 bytes different at location.\n", ""},
        {cli::CompareCommand(), Words{first, first}, 0, "These files match to smallest file length.\n", ""},
        {cli::CompareCommand(), Words{first, folder.file("none")}, 1, "",
         "Fatal Error: Could not open A file...\nzarvo-tool: cannot open " + folder.file("none") +
             ": No such file or directory\n"},
        {cli::CompareCommand(), Words{rom, fifo}, 1, "",
         "Fatal Error: Could not open A file...\nzarvo-tool: " + fifo + " is not a regular file\n"},
        {cli::ResizeCommand(), Words{rom, "1", "--mbits", "-o", dir}, 1, "",
         "zarvo-tool: " + dir + " is not a regular file\n"},
        {cli::ResizeCommand(), Words{rom, "16384", "--mbits", "-o", folder.file("big")}, 1, "",
         "Error: New size must be below"},
        {cli::ResizeCommand(), Words{first, "1", "--mbits", "--header", "512", "-o", folder.file("resized.bin")}, 0},
        {cli::IpsCommand(), Words{"merge", "a", "b", "-o", "c"}, 2, "", ""},
        {cli::SnesCommand(), Words{"addr", "--lorom", "--hirom", "--to-snes", "200"}, 2, "", ""},
        {cli::SnesCommand(), Words{"checksum", "a", "--fix"}, 2, "", ""},
        {cli::CompareCommand(), Words{"a"}, 2, "", ""},
        {cli::ResizeCommand(), Words{"a", "1.5", "--mbits", "-o", "b"}, 2, "", ""},
    };
    for (const testing::CommandRun& run : runs) testing::ExpectRun(run);
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"a.bin", "again.sfc", "b.bin", "bad.ips", "cut.ips", "fifo", "fixed.sfc",
                                        "game.sfc", "huge.bin", "made.ips", "out.bin", "resized.bin", "rom.bin"}));
    EXPECT_EQ(ReadBytes(out), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_TRUE(ReadBytes(fixed) == image(0xFDF0, 0x020F));
    EXPECT_TRUE(ReadBytes(folder.file("again.sfc")) == ReadBytes(fixed));
    auto resized = PatternBytes(0x200);  // the header kept in front of the new size
    resized.resize(131072 + 512, 0xFF);
    EXPECT_TRUE(ReadBytes(folder.file("resized.bin")) == resized);
}

}  // namespace
}  // namespace zarvo
