// The one place zarvo-tool runs a command: running out of memory ends it with a message.

#include "cli/command_line.h"

#include "core/output_file.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zarvo {
namespace {

int ThrowsBadAlloc(const std::vector<std::string>&, std::ostream&, std::ostream&) { throw std::bad_alloc(); }

int ThrowsLengthError(const std::vector<std::string>&, std::ostream&, std::ostream&)
{
    std::string text;
    text.reserve(text.max_size() + 1);
    return cli::kDone;
}

// Runs out of memory halfway through writing its output file.
int FailsWhileWriting(const std::vector<std::string>& arguments, std::ostream&, std::ostream&)
{
    const auto produce = [](const ByteSink& sink) -> bool {
        const uint8_t half[] = {1, 2, 3};
        if (!sink(half, sizeof half)) return false;
        throw std::bad_alloc();
    };
    return WriteOutput(arguments.at(0), OutputRule::StreamsAllowed, produce) == SaveError::None ? cli::kDone
                                                                                                : cli::kFailed;
}

TEST(CommandLine, RunningOutOfMemoryIsStatusOneWithAMessage)
{
    testing::TempFolder folder;
    const std::vector<cli::Command> commands = {
        {"alloc", "", "", &ThrowsBadAlloc},
        {"reserve", "", "", &ThrowsLengthError},
        {"write", "", "", &FailsWhileWriting},
    };
    for (const cli::Command& command : commands) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::RunCommandLine(commands, {command.name, folder.file("out.bin")}, out, err), cli::kFailed);
        EXPECT_EQ(err.str(), std::string("zarvo-tool: not enough memory to finish ") + command.name + "\n");
        EXPECT_TRUE(folder.entries().empty()) << command.name;  // no temporary file left
    }
}

// The relative search of a one-letter word lists every byte: with little memory the
// tool finishes or says it ran out, and is never aborted.
TEST(CommandLine, ToolUnderAMemoryLimitEndsWithAStatus)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory needs more address space than the limit leaves";
#else
    testing::TempFolder folder;
    const std::string rom = folder.sparse("zeros.bin", 16 << 20);
    const testing::ToolOutcome run =
        testing::RunTool(folder, "rsearch " + rom + " a", ">/dev/null", "ulimit -v 250000; ");
    EXPECT_TRUE(run.status == 0 || (run.status == 1 && run.err == "zarvo-tool: not enough memory to finish rsearch\n"))
        << run.status << " " << run.err;
#endif
}

}  // namespace
}  // namespace zarvo
