#pragma once
// zarvo-tool script dump / insert.

#include "cli/command.h"

namespace zarvo::cli {

[[nodiscard]] Command ScriptCommand();

}  // namespace zarvo::cli
