#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool insert: a ROM with a file's bytes written over it, as Insert Binary Data
// does it with every question answered Yes.
[[nodiscard]] Command InsertCommand();

}  // namespace zarvo::cli
