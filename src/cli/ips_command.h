#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool ips create|apply: makes a patch from two files, or patches a file.
[[nodiscard]] Command IpsCommand();

}  // namespace zarvo::cli
