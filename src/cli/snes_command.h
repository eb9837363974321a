#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool snes addr|checksum: the SNES address converter and the checksum repair.
[[nodiscard]] Command SnesCommand();

}  // namespace zarvo::cli
