#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool fill: a ROM with a range set to one byte, as BYTE Fill does it.
[[nodiscard]] Command FillCommand();

}  // namespace zarvo::cli
