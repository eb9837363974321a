#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool resize: a ROM cut or extended to a new size, as the size dialog does it.
[[nodiscard]] Command ResizeCommand();

}  // namespace zarvo::cli
