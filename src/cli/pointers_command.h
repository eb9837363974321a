#pragma once
// zarvo-tool pointers: the places holding a pointer to an offset.

#include "cli/command.h"

namespace zarvo::cli {

[[nodiscard]] Command PointersCommand();

}  // namespace zarvo::cli
