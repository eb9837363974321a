// zarvo-tool run as a user runs it: its exit statuses and help, standard output full or
// closed, outputs that are FIFOs or standard output, interruptions, a terminal.

#include "core/hex_text.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
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

// Every way a command writes its output: a whole document (ips apply), a patch (ips
// create), a stream of pieces (dump bin, dump text) and a table (rtable).
TEST(ToolOutput, DashIsStandardOutputAndAFifoIsWrittenDirectly)
{
    TempFolder folder;
    const auto changed = PatternBytes(6000, 3);
    const auto bytes = PatternBytes(5000);
    const std::string rom = folder.write("rom.bin", bytes);
    const auto patch = folder.file("p.ips");
    const std::string changedPath = folder.write("changed.bin", changed);
    ASSERT_EQ(RunTool(folder, "ips create " + rom + " " + changedPath + " -o " + patch).status, 0);
    const std::string table = folder.write("rom.tbl", "03=A\n0A=B\n");  // the first two bytes
    std::string firstTable;  // 'A' stored as 00: bytes 00 to 3D are 'A' to '~'
    for (int key = 0; key <= 0x3D; ++key) firstTable += FormatHex(key, 2) + "=" + static_cast<char>('A' + key) + "\n";
    for (int key = 0xDF; key <= 0xFF; ++key) {  // and bytes DF to FF the blank to '@'
        firstTable += FormatHex(key, 2) + "=" + static_cast<char>(key - 0xBF) + "\n";
    }
    const std::pair<std::string, std::vector<uint8_t>> commands[] = {
        {"ips apply " + rom + " " + patch + " -o ", changed},
        {"ips create " + rom + " " + changedPath + " -o ", ReadBytes(patch)},
        {"dump bin " + rom + " --start 10 --end 1F -o ", {bytes.begin() + 0x10, bytes.begin() + 0x20}},
        {"dump text " + rom + " --table " + table + " --start 0 --end 1 -o ", {'A', 'B'}},
        {"rtable A=00 -o ", {firstTable.begin(), firstTable.end()}},
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
    // A failed write names the path and the system's reason.
    const std::pair<std::string, std::string> failures[] = {
        {"/dev/full", "No space left on device"},
        {folder.file("none/out"), "No such file or directory"},
    };
    for (const auto& [command, written] : commands) {
        for (const auto& [path, reason] : failures) {
            const testing::ToolOutcome failed = RunTool(folder, command + path);
            EXPECT_EQ(failed.status, 1) << command;
            EXPECT_EQ(failed.err, "zarvo-tool: cannot write " + path + ": " + reason + "\n") << command;
        }
    }
}

// Killed while it writes a large output: the temporary file goes with it, the target
// never appears, and the tool ends by the signal it was sent.
TEST(ToolOutput, InterruptedWriteLeavesNoTemporaryFile)
{
    constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2};
    for (const int signal : kSignals) {
        SCOPED_TRACE(signal);
        TempFolder folder;
        const std::string rom = folder.write("rom.bin", PatternBytes(100));
        const std::string out = folder.file("out.bin");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (const int reset : kSignals) std::signal(reset, SIG_DFL);
            const rlimit noCore{0, 0};  // SIGQUIT ends it with a core dump otherwise
            setrlimit(RLIMIT_CORE, &noCore);
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

// A file-size limit (ulimit -f) makes a write fail as a full disk does, instead of
// killing the tool by SIGXFSZ with its temporary file left behind.
TEST(ToolOutput, FileSizeLimitIsAnOrdinaryWriteError)
{
    TempFolder folder;
    const std::string rom = folder.write("rom.bin", PatternBytes(100));
    const std::string out = folder.file("out.bin");
    const testing::ToolOutcome run = RunTool(folder, "resize " + rom + " 1 --mbytes -o " + out, "", "ulimit -f 64; ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zarvo-tool: cannot write " + out + ": File too large\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"rom.bin"});
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

    EXPECT_EQ(testing::ShownOnTerminal("view " + rom + " --table " + table),
              "00000000  01 41 01  .[31mREDA.[31mRED\r\n");
}

}  // namespace
}  // namespace zarvo
