#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool dump text|bin|labels: the editor's text and binary dumps of a range,
// and Dump From List over every dump label of a table.
[[nodiscard]] Command DumpCommand();

}  // namespace zarvo::cli
