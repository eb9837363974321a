#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool compare: the runs of differing bytes of two files, as the compare lists them.
[[nodiscard]] Command CompareCommand();

}  // namespace zarvo::cli
