#pragma once
// zarvo-tool bps create / apply / info.

#include "cli/command.h"

namespace zarvo::cli {

[[nodiscard]] Command BpsCommand();

}  // namespace zarvo::cli
