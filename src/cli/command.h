#pragma once
// One subcommand of zarvo-tool.

#include <ostream>
#include <string>
#include <vector>

namespace zarvo::cli {

enum ExitStatus : int {
    kDone = 0,
    kFailed = 1,      // the operation failed; its message went to stderr
    kWrongUsage = 2,  // usage went to stderr
};

struct Command {
    const char* name;
    const char* synopsis;  // one line for the overall help
    const char* usage;     // full help of the command
    int (*run)(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace zarvo::cli
