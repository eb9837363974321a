#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool tiles: the tile sheet of a ROM as a PNG, as the tile view draws it.
[[nodiscard]] Command TilesCommand();

}  // namespace zarvo::cli
