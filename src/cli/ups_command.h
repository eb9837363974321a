#pragma once
// zarvo-tool ups apply.

#include "cli/command.h"

namespace zarvo::cli {

[[nodiscard]] Command UpsCommand();

}  // namespace zarvo::cli
