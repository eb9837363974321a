#include "cli/progress_line.h"

#include "support/temp_folder.h"
#include "support/tile_model.h"
#include "support/tool_run.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

using testing::RandomBytes;
using testing::TempFolder;

// What the tool shows on a terminal (script gives it one) with its standard output
// sent away; script ends the lines it copies with CR LF.
std::string OnTerminal(const std::string& environment, const std::string& arguments)
{
    const std::string command =
        "script -qec '" + environment + " " + ZARVO_TOOL_PATH + " " + arguments + " >/dev/null' /dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string shown;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) shown += static_cast<char>(c);
    pclose(pipe);
    return shown;
}

// The long commands rewrite one line on a terminal ("\r", the line cleared, the
// text) and erase it when they end; into a file they write none, and a command
// that ends within the wait shows none either.
TEST(ProgressLine, LongCommandsRewriteOneLineOnATerminalOnly)
{
    TempFolder folder;
    auto bytes = RandomBytes(3 << 20, 31);
    const auto original = folder.write("a.bin", bytes);
    for (std::size_t at = 0; at < bytes.size(); at += 4099) bytes[at] ^= 0x5A;
    const auto modified = folder.write("b.bin", bytes);
    const auto table = folder.write("t.tbl", "41=A\n");
    const auto out = folder.file("out");
    const std::pair<std::string, std::string> cases[] = {
        {"dump bin " + original + " --start 0 --end 2FFFFF -o " + out, "dump bin"},
        {"dump text " + original + " --table " + table + " --start 0 --end 2FFFFF -o " + out, "dump text"},
        {"compare " + original + " " + modified, "compare"},
        {"bps create " + original + " " + modified + " -o " + out, "bps create"},
    };
    const std::string erase = "\r\x1B[K";
    for (const auto& [arguments, work] : cases) {
        const std::string shown = OnTerminal("ZARVO_PROGRESS_DELAY=0", arguments);
        EXPECT_NE(shown.find(erase + "zarvo-tool: " + work + " 33% of 3.0 MiB"), std::string::npos) << shown;
        EXPECT_EQ(shown.substr(shown.size() - erase.size()), erase) << shown;
        EXPECT_EQ(shown.find('\n'), std::string::npos) << shown;
        EXPECT_EQ(OnTerminal("", arguments), "") << work;
        const auto inFile = testing::RunTool(folder, arguments, ">/dev/null", "ZARVO_PROGRESS_DELAY=0 ");
        EXPECT_EQ(inFile.status, 0) << inFile.err;
        EXPECT_EQ(inFile.err, "") << work;
    }
}

}  // namespace
}  // namespace zarvo
