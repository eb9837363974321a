#pragma once
// zarvo-tool's command line: the commands it knows, the overall help, and the one place
// where a command is picked and run.

#include "cli/command.h"

#include <ostream>
#include <string>
#include <vector>

namespace zarvo::cli {

// Every command, in the order the overall help lists them.
[[nodiscard]] std::vector<Command> ToolCommands();

// Runs the command that words[0] names with the words after it ("--help" anywhere
// prints its usage instead); no words, or an unknown command, print the overall help
// on err (status 2). A command that runs out of memory (std::bad_alloc, or a
// std::length_error from a size no container holds) ends with status 1 and "zarvo-tool:
// not enough memory to finish COMMAND" on err, its unfinished output file removed.
[[nodiscard]] int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& words,
                                 std::ostream& out, std::ostream& err);

}  // namespace zarvo::cli
