// zarvo-tool: the editor's engine for scripts and batch work.

#include "cli/bps_command.h"
#include "cli/command.h"
#include "cli/compare_command.h"
#include "cli/document_output.h"
#include "cli/dump_command.h"
#include "cli/fill_command.h"
#include "cli/insert_command.h"
#include "cli/ips_command.h"
#include "cli/resize_command.h"
#include "cli/rsearch_command.h"
#include "cli/rtable_command.h"
#include "cli/search_command.h"
#include "cli/snes_command.h"
#include "cli/standard_output.h"
#include "cli/tiles_command.h"
#include "cli/tiles_import_command.h"
#include "cli/ups_command.h"
#include "cli/view_command.h"
#include "core/interrupt_cleanup.h"

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<zarvo::cli::Command> Commands()
{
    return {
        zarvo::cli::ViewCommand(),        zarvo::cli::IpsCommand(),    zarvo::cli::SnesCommand(),
        zarvo::cli::CompareCommand(),     zarvo::cli::ResizeCommand(), zarvo::cli::SearchCommand(),
        zarvo::cli::RsearchCommand(),     zarvo::cli::RtableCommand(), zarvo::cli::DumpCommand(),
        zarvo::cli::FillCommand(),        zarvo::cli::InsertCommand(), zarvo::cli::TilesCommand(),
        zarvo::cli::TilesImportCommand(), zarvo::cli::BpsCommand(),    zarvo::cli::UpsCommand(),
    };
}

void PrintOverview(std::ostream& stream)
{
    stream << "usage: zarvo-tool COMMAND [ARGUMENTS]\n"
              "Offsets and values are hexadecimal without prefix, sizes decimal.\n"
              "Exit status: 0 done, 1 the operation failed, 2 wrong usage.\n\n"
              "commands:\n";
    for (const auto& command : Commands()) stream << "  zarvo-tool " << command.synopsis << "\n";
    stream << "\n`zarvo-tool COMMAND --help` describes one command.\n";
}

// A program started with standard output closed (">&-") would hand descriptor 1 to the
// first file it opens, and its listing would land in that file. Each closed standard
// descriptor is taken by /dev/null opened read-only: nothing can be opened there, and
// every write to it still fails, as it would on the closed descriptor.
void TakeClosedStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) (void)::open("/dev/null", O_RDONLY);
    }
}

int Run(const std::vector<std::string>& words, std::ostream& out)
{
    if (words.empty()) {
        PrintOverview(std::cerr);
        return zarvo::cli::kWrongUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(out);
        return zarvo::cli::kDone;
    }
    for (const auto& command : Commands()) {
        if (words[0] != command.name) continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        for (const auto& word : rest) {
            if (word == "--help" || word == "-h") {
                out << command.usage;
                return zarvo::cli::kDone;
            }
        }
        return command.run(rest, out, std::cerr);
    }
    std::cerr << "zarvo-tool: unknown command " << words[0] << "\n\n";
    PrintOverview(std::cerr);
    return zarvo::cli::kWrongUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    TakeClosedStandardDescriptors();
    zarvo::RemoveTemporaryFileOnSignals();
    std::ios::sync_with_stdio(false);
    zarvo::cli::DescriptorOutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    const int status = Run(std::vector<std::string>(argv + 1, argv + argc), out);
    // What a command that succeeded printed is checked here once more, so that none
    // ends with status 0 when its output was lost. A failed one has said why already.
    if (status != zarvo::cli::kDone) {
        out.flush();
        return status;
    }
    return zarvo::cli::FinishListing(out, std::cerr);
}
