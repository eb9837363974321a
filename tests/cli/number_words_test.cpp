// Hexadecimal words on the command line are read whole, unlike the editor's boxes.

#include "cli/dump_command.h"
#include "cli/fill_command.h"
#include "cli/hex_argument.h"
#include "cli/insert_command.h"
#include "cli/rtable_command.h"
#include "cli/search_command.h"
#include "cli/snes_command.h"
#include "cli/tiles_command.h"
#include "cli/tiles_import_command.h"
#include "cli/view_command.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

using testing::RunCommand;
using testing::Words;

TEST(HexArgument, TakesDigitsOnlyUpToTheLimit)
{
    const cli::HexLimit limit{0xFFFFF, "five digits at most"};
    const struct {
        const char* word;
        std::optional<uint32_t> value;
        const char* error;
    } cases[] = {
        {"1200b", 0x1200B, ""},
        {"0000000000fF", 0xFF, ""},  // leading zeros are no size
        {"FFFFF", 0xFFFFF, ""},
        {"100000", std::nullopt, "A: 100000 is too large: five digits at most"},
        {"0x10", std::nullopt, "A: \"0x10\" is not a hexadecimal number (digits 0-9 and A-F only, no prefix or sign)"},
        {"-1", std::nullopt, "A: \"-1\" is not"},
        {"+1", std::nullopt, "A: \"+1\" is not"},
        {"1 ", std::nullopt, "A: \"1 \" is not"},
        {"", std::nullopt, "A: \"\" is not"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_EQ(cli::ParseHexArgument("A", c.word, limit, error), c.value) << c.word;
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << c.word;
    }
}

TEST(HexArgument, MalformedWordsAreWrongUsageAndWriteNothing)
{
    testing::TempFolder folder;
    const auto rom = folder.write("rom.bin", testing::PatternBytes(0x20000));
    const auto table = folder.write("rom.tbl", "41=A\n");
    const auto out = folder.file("out.bin");
    const auto range = [&](const char* start, const char* end) {
        return Words{"bin", rom, "--start", start, "--end", end, "-o", out};
    };
    const auto fill = [&](const char* start, const char* value) {
        return Words{rom, "--start", start, "--end", "10", "--value", value, "-o", out};
    };
    const auto sheet = [&](const char* offset) { return Words{rom, "--format", "1", "--offset", offset, "-o", out}; };
    const testing::CommandRun runs[] = {
        {cli::DumpCommand(), range("0x1000", "2000"), 2, "", "--start: \"0x1000\" is not a hexadecimal number"},
        {cli::DumpCommand(), range("10", "1FFFFFFFF"), 2, "", "--end: 1FFFFFFFF is too large"},
        {cli::DumpCommand(), Words{"text", rom, "--table", table, "--start", "10h", "--end", "20", "-o", out}, 2},
        {cli::FillCommand(), fill("0", "zz"), 2, "", "--value: \"zz\" is not"},
        {cli::FillCommand(), fill("-1", "0"), 2, "", "--start: \"-1\" is not"},
        {cli::FillCommand(), fill("0", ""), 2},
        {cli::InsertCommand(), Words{rom, rom, "--at", "-1", "-o", out}, 2, "", "--at: \"-1\" is not"},
        {cli::InsertCommand(), Words{rom, rom, "--at", "1G", "-o", out}, 2},
        {cli::TilesCommand(), sheet("1G"), 2, "", "--offset: \"1G\" is not"},
        {cli::TilesCommand(), sheet("80000000"), 2, "", "--offset: 80000000 is too large"},
        {cli::TilesImportCommand(), Words{rom, rom, "--format", "1", "--offset", "$10", "-o", out}, 2},
        {cli::ViewCommand(), Words{rom, "--offset", "1003Fzz"}, 2, "", "--offset: \"1003Fzz\" is not"},
        {cli::SnesCommand(), Words{"addr", "--lorom", "--to-snes", "0x200"}, 2, "", "--to-snes: \"0x200\" is not"},
        {cli::SnesCommand(), Words{"addr", "--lorom", "--to-file", "$8000"}, 2},
        {cli::RtableCommand(), Words{"A=XY", "-o", out}, 2, "", "A: \"XY\" is not"},
        {cli::RtableCommand(), Words{"A=141", "-o", out}, 2, "", "A: 141 is too large"},
        {cli::RtableCommand(), Words{"A=", "-o", out}, 2},
        {cli::RtableCommand(), Words{"[$00000020] LINK            | A=8G a=A0 0=6F", "-o", out}, 2},
        {cli::SearchCommand(), Words{rom, "--hex", "ZZ"}, 2, "", "--hex: \"ZZ\" holds more than"},
        {cli::SearchCommand(), Words{rom, "--hex", "0x8B"}, 2},
        {cli::SearchCommand(), Words{rom, "--hex", "8B,8D"}, 2},
    };
    for (const testing::CommandRun& run : runs) {
        testing::ExpectRun(run);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(HexArgument, RtableReadsTheValueOfAFromARelativeSearchLine)
{
    const auto table = [](const std::string& word) { return RunCommand(cli::RtableCommand(), {word, "-o", "-"}); };
    const auto fromLine = table("[$0000002F] LINK            | A=41 a=61 0=30");
    EXPECT_EQ(fromLine.status, 0) << fromLine.err;
    EXPECT_EQ(fromLine.out, table("A=41").out);
    EXPECT_NE(fromLine.out.find("\n41=A\n"), std::string::npos);
}

}  // namespace
}  // namespace zarvo
