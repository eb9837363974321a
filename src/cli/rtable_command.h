#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool rtable: the first table made from a relative-search hit, as the table
// maker saves it.
[[nodiscard]] Command RtableCommand();

}  // namespace zarvo::cli
