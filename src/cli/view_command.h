#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool view: rows of offset, hexadecimal bytes and table text, as the view shows them.
[[nodiscard]] Command ViewCommand();

}  // namespace zarvo::cli
