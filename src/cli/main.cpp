// zarvo-tool: the editor's engine for scripts and batch work.

#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/document_output.h"
#include "cli/standard_output.h"
#include "core/interrupt_cleanup.h"

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

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

}  // namespace

int main(int argc, char** argv)
{
    TakeClosedStandardDescriptors();
    zarvo::RemoveTemporaryFileOnSignals();
    std::ios::sync_with_stdio(false);
    zarvo::cli::DescriptorOutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    const int status = zarvo::cli::RunCommandLine(zarvo::cli::ToolCommands(),
                                                  std::vector<std::string>(argv + 1, argv + argc), out, std::cerr);
    // What a command that succeeded printed is checked here once more, so that none
    // ends with status 0 when its output was lost. A failed one has said why already.
    if (status != zarvo::cli::kDone) {
        out.flush();
        return status;
    }
    return zarvo::cli::FinishListing(out, std::cerr);
}
