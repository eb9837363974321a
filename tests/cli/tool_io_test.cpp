// zarvo-tool run as a user runs it: standard output full or closed, outputs that are
// FIFOs or standard output, interruptions, a terminal.

#include "support/temp_folder.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zarvo {
namespace {

namespace fs = std::filesystem;
using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempFolder;

struct ShellRun {
    int status;       // the exit status, -1 when the tool did not exit
    std::string err;  // what it wrote to standard error
};

// Runs zarvo-tool with arguments and the shell redirection of its standard output.
ShellRun RunTool(const TempFolder& folder, const std::string& arguments, const std::string& output)
{
    const std::string errPath = folder.file("stderr.txt");
    const int waited =
        std::system((std::string(ZARVO_TOOL_PATH) + " " + arguments + " " + output + " 2>" + errPath).c_str());
    const auto err = ReadBytes(errPath);
    fs::remove(errPath);
    return {WIFEXITED(waited) ? WEXITSTATUS(waited) : -1, std::string(err.begin(), err.end())};
}

// A SNES image whose checksum needs repair, a ROM and a table.
struct Inputs {
    explicit Inputs(const TempFolder& folder)
    {
        std::vector<uint8_t> image(0x100000, 0);
        image[0x7FDC] = 0xFF;
        image[0x7FDD] = 0xFF;
        snes = folder.write("game.sfc", image);
        rom = folder.write("rom.bin", PatternBytes(5000));
        table = folder.write("rom.tbl", "41=A\n01=\x1b[31mRED\n");
    }
    std::string snes, rom, table;
};

// Every command that prints fails with status 1 and the system's reason when its
// output cannot be written, and writes no file then.
TEST(ToolOutput, FullOrClosedStandardOutputFailsEveryCommand)
{
    TempFolder folder;
    const Inputs in(folder);
    const std::string fixed = folder.file("fixed.sfc");
    const std::string commands[] = {
        "--help",
        "view --help",
        "view " + in.rom + " --table " + in.table,
        "snes addr --lorom --to-snes 200",
        "snes checksum " + in.snes,
        "snes checksum " + in.snes + " --fix -o " + fixed,
        "compare " + in.rom + " " + in.snes,
    };
    const std::pair<const char*, const char*> outputs[] = {
        {">/dev/full", "No space left on device"},
        {">&-", "Bad file descriptor"},
    };
    for (const std::string& command : commands) {
        for (const auto& [output, reason] : outputs) {
            SCOPED_TRACE(command + " " + output);
            const ShellRun run = RunTool(folder, command, output);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, std::string("zarvo-tool: cannot write to standard output: ") + reason + "\n");
            EXPECT_FALSE(fs::exists(fixed));
        }
    }
}

TEST(ToolOutput, DashIsStandardOutputAndAFifoIsWrittenDirectly)
{
    TempFolder folder;
    const Inputs in(folder);
    const auto changed = PatternBytes(6000, 3);
    const auto changedPath = folder.write("changed.bin", changed);
    const auto patch = folder.file("p.ips");
    ASSERT_EQ(RunTool(folder, "ips create " + in.rom + " " + changedPath + " -o " + patch, "").status, 0);

    ASSERT_EQ(RunTool(folder, "ips apply " + in.rom + " " + patch + " -o -", ">" + folder.file("out.bin")).status, 0);
    EXPECT_TRUE(ReadBytes(folder.file("out.bin")) == changed);

    const auto fifo = folder.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::vector<uint8_t> received;
    std::thread reader([&] { received = ReadBytes(fifo); });
    const ShellRun run = RunTool(folder, "ips apply " + in.rom + " " + patch + " -o " + fifo, "");
    reader.join();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(received == changed);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const ShellRun full = RunTool(folder, "ips apply " + in.rom + " " + patch + " -o /dev/full", "");
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
            for (const auto& entry : fs::directory_iterator(folder.path())) {
                writing = writing || entry.path().filename().string().rfind(".zarvo-", 0) == 0;
            }
            if (!writing) usleep(500);
        }
        ASSERT_TRUE(writing);
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the write ended before the signal came";
        EXPECT_EQ(WTERMSIG(status), signal);
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(folder.path())) left.push_back(entry.path().filename());
        EXPECT_EQ(left, std::vector<std::string>{"rom.bin"});
    }
}

// A table's control bytes reach a pipe or a file as they are, but a terminal sees
// '.' instead, so that no escape sequence of a table is obeyed by it.
TEST(ToolOutput, ControlBytesOfATableAreHiddenFromATerminalOnly)
{
    TempFolder folder;
    const Inputs in(folder);
    const std::string rom = folder.write("esc.bin", std::string("\x01\x41\x01", 3));
    const std::string arguments = "view " + rom + " --table " + in.table;
    ASSERT_EQ(RunTool(folder, arguments, ">" + folder.file("listing")).status, 0);
    const auto piped = ReadBytes(folder.file("listing"));
    EXPECT_EQ(std::string(piped.begin(), piped.end()), "00000000  01 41 01  \x1b[31mREDA\x1b[31mRED\n");

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
        if (terminal < 0 || dup2(terminal, STDOUT_FILENO) < 0) _exit(127);
        execl(ZARVO_TOOL_PATH, ZARVO_TOOL_PATH, "view", rom.c_str(), "--table", in.table.c_str(),
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
