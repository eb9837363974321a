#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool tiles-import: a sheet PNG edited elsewhere encoded back into the ROM.
[[nodiscard]] Command TilesImportCommand();

}  // namespace zarvo::cli
