// zarvo-tool run as a user runs it: its exit statuses and help, standard output full or
// closed, outputs that are FIFOs or standard output, interruptions, a terminal.

#include "support/document_builder.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zarvo {
namespace {

namespace fs = std::filesystem;
using testing::PatternBytes;
using testing::ReadBytes;
using testing::RunTool;
using testing::TempFolder;

TEST(ToolProgram, ExitStatusesAndHelpOfEveryCommand)
{
    TempFolder folder;
    const std::pair<std::string, int> runs[] = {
        {"", 2},
        {"frobnicate", 2},
        {"--help", 0},
        {"view /nonexistent/rom.bin", 1},
    };
    for (const auto& [arguments, status] : runs) EXPECT_EQ(RunTool(folder, arguments).status, status) << arguments;
    for (const char* command : {"view", "ips", "snes", "compare", "resize", "search", "rsearch", "rtable", "dump",
                                "fill", "insert", "tiles", "tiles-import"}) {
        const testing::ToolOutcome help = RunTool(folder, std::string(command) + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
}

// Every command that prints fails with status 1 and the system's reason when its
// output cannot be written, and writes no file then.
TEST(ToolOutput, FullOrClosedStandardOutputFailsEveryCommand)
{
    TempFolder folder;
    // A SNES image whose checksum needs repair.
    const std::string snes = folder.write("game.sfc", testing::SnesImage(0x100000, 0x7FC0, 0xFFFF, 0));
    const auto bytes = PatternBytes(5000);
    const std::string rom = folder.write("rom.bin", bytes);
    const std::string table = folder.write("rom.tbl", "41=A\n");
    const std::string fixed = folder.file("fixed.sfc");
    const std::string commands[] = {
        "--help",
        "view --help",
        "view " + rom + " --table " + table,
        "snes addr --lorom --to-snes 200",
        "snes checksum " + snes,
        "snes checksum " + snes + " --fix -o " + fixed,
        "compare " + rom + " " + snes,
    };
    const std::pair<const char*, const char*> outputs[] = {
        {">/dev/full", "No space left on device"},
        {">&-", "Bad file descriptor"},
    };
    for (const std::string& command : commands) {
        for (const auto& [output, reason] : outputs) {
            SCOPED_TRACE(command + " " + output);
            const testing::ToolOutcome run = RunTool(folder, command, output);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, std::string("zarvo-tool: cannot write to standard output: ") + reason + "\n");
            EXPECT_FALSE(fs::exists(fixed));
        }
    }
}

// Both ways a command writes its output: a whole document (ips apply) and a stream of
// pieces (dump bin).
TEST(ToolOutput, DashIsStandardOutputAndAFifoIsWrittenDirectly)
{
    TempFolder folder;
    const auto changed = PatternBytes(6000, 3);
    const auto bytes = PatternBytes(5000);
    const std::string rom = folder.write("rom.bin", bytes);
    const auto patch = folder.file("p.ips");
    ASSERT_EQ(RunTool(folder, "ips create " + rom + " " + folder.write("changed.bin", changed) + " -o " + patch).status,
              0);
    const std::pair<std::string, std::vector<uint8_t>> commands[] = {
        {"ips apply " + rom + " " + patch + " -o ", changed},
        {"dump bin " + rom + " --start 10 --end 1F -o ", {bytes.begin() + 0x10, bytes.begin() + 0x20}},
    };
    for (const auto& [command, written] : commands) {
        SCOPED_TRACE(command);
        const testing::ToolOutcome dash = RunTool(folder, command + "-");
        EXPECT_EQ(dash.status, 0);
        EXPECT_TRUE(std::vector<uint8_t>(dash.out.begin(), dash.out.end()) == written);

        const auto fifo = folder.fifo("fifo");
        std::vector<uint8_t> received;
        std::thread reader([&] { received = ReadBytes(fifo); });
        const testing::ToolOutcome run = RunTool(folder, command + fifo);
        if (run.status != 0) std::ofstream{fifo};  // a tool that never opened the FIFO: the reader goes on
        reader.join();
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(received == written);
        EXPECT_TRUE(fs::is_fifo(fifo));
        fs::remove(fifo);
    }
    const testing::ToolOutcome full = RunTool(folder, "ips apply " + rom + " " + patch + " -o /dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "zarvo-tool: cannot write /dev/full: No space left on device\n");
}

// Killed while it writes a large output: the temporary file goes with it, the target
// never appears, and the tool ends by the signal it was sent.
TEST(ToolOutput, InterruptedWriteLeavesNoTemporaryFile)
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        SCOPED_TRACE(signal);
        TempFolder folder;
        const std::string rom = folder.write("rom.bin", PatternBytes(100));
        const std::string out = folder.file("out.bin");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (const int reset : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(reset, SIG_DFL);
            execl(ZARVO_TOOL_PATH, ZARVO_TOOL_PATH, "resize", rom.c_str(), "256", "--mbytes", "-o", out.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        // Sent once the temporary file exists, while the 256 MiB are being written.
        bool writing = false;
        for (int wait = 0; wait < 20000 && !writing; ++wait) {
            for (const std::string& name : folder.entries()) writing = writing || name.rfind(".zarvo-", 0) == 0;
            if (!writing) usleep(500);
        }
        ASSERT_TRUE(writing);
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the write ended before the signal came";
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"rom.bin"});
    }
}

// A table's control bytes reach a pipe or a file as they are, but a terminal sees
// '.' instead, so that no escape sequence of a table is obeyed by it.
TEST(ToolOutput, ControlBytesOfATableAreHiddenFromATerminalOnly)
{
    TempFolder folder;
    const std::string table = folder.write("rom.tbl", "41=A\n01=\x1b[31mRED\n");
    const std::string rom = folder.write("esc.bin", std::string("\x01\x41\x01", 3));
    EXPECT_EQ(RunTool(folder, "view " + rom + " --table " + table).out,
              "00000000  01 41 01  \x1b[31mREDA\x1b[31mRED\n");

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
        if (terminal < 0 || dup2(terminal, STDOUT_FILENO) < 0) _exit(127);
        execl(ZARVO_TOOL_PATH, ZARVO_TOOL_PATH, "view", rom.c_str(), "--table", table.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::string shown(4096, '\0');
    const ssize_t got = read(master, shown.data(), shown.size());
    close(master);
    ASSERT_GT(got, 0);
    shown.resize(static_cast<std::size_t>(got));
    // The terminal ends lines with CR LF.
    EXPECT_EQ(shown, "00000000  01 41 01  .[31mREDA.[31mRED\r\n");
}

}  // namespace
}  // namespace zarvo
