#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool search: every match of a text (through a table) or of hexadecimal bytes,
// as the Find dialog lists them with "Save Finds" and "Start Search From the Begining".
[[nodiscard]] Command SearchCommand();

}  // namespace zarvo::cli
