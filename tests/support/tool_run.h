#pragma once
// zarvo-tool run two ways: a command in this process through its run function, and the
// program itself through the shell, its standard output redirected as a user would.

#include "cli/command.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace zarvo::testing {

// The arguments of a command, as the shell would split them.
using Words = std::vector<std::string>;

struct ToolOutcome {
    int status;  // the exit status; -1 when the program did not exit
    std::string out;
    std::string err;
};

inline ToolOutcome RunCommand(const cli::Command& command, const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command.run(arguments, out, err);
    return {status, out.str(), err.str()};
}

// One run of a command and what it must give: its status, its whole standard output,
// and the start of its standard error (all of it when it succeeds; wrong usage also
// shows the command's usage).
struct CommandRun {
    CommandRun(cli::Command command, Words arguments, int status = 0, std::string out = {}, std::string err = {})
        : command(command),
          arguments(std::move(arguments)),
          status(status),
          out(std::move(out)),
          err(std::move(err))
    {}
    cli::Command command;
    Words arguments;
    int status;
    std::string out;
    std::string err;
};

inline void ExpectRun(const CommandRun& run)
{
    SCOPED_TRACE(std::string(run.command.name) + " " + ::testing::PrintToString(run.arguments));
    const ToolOutcome outcome = RunCommand(run.command, run.arguments);
    EXPECT_EQ(outcome.status, run.status);
    EXPECT_EQ(outcome.out, run.out);
    EXPECT_EQ(run.status == 0 ? outcome.err : outcome.err.substr(0, run.err.size()), run.err);
    if (run.status == 2) {
        EXPECT_NE(outcome.err.find(std::string("usage: zarvo-tool ") + run.command.name), std::string::npos);
    }
}

// The program with arguments (one shell word list); its standard output goes to
// redirection when one is given (">/dev/full", ">&-") and is captured otherwise.
// shellFirst runs in the same shell before it ("ulimit -f 64; ").
inline ToolOutcome RunTool(const TempFolder& folder, const std::string& arguments, const std::string& redirection = "",
                           const std::string& shellFirst = "")
{
    const std::string outPath = folder.file("stdout.txt");
    const std::string errPath = folder.file("stderr.txt");
    const std::string output = redirection.empty() ? ">" + outPath : redirection;
    const int waited =
        std::system((shellFirst + ZARVO_TOOL_PATH + " " + arguments + " " + output + " 2>" + errPath).c_str());
    ToolOutcome outcome{WIFEXITED(waited) ? WEXITSTATUS(waited) : -1, ReadText(outPath), ReadText(errPath)};
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return outcome;
}

// What a terminal shows of the program's standard output and error: script runs it on
// one and copies what it shows (lines end in CR LF there).
inline std::string ShownOnTerminal(const std::string& arguments)
{
    FILE* pipe = popen(("script -qec '" + std::string(ZARVO_TOOL_PATH) + " " + arguments + "' /dev/null").c_str(), "r");
    std::string shown;
    for (int c = pipe ? std::fgetc(pipe) : EOF; c != EOF; c = std::fgetc(pipe)) shown += static_cast<char>(c);
    if (pipe) pclose(pipe);
    return shown;
}

}  // namespace zarvo::testing
