#pragma once

#include "cli/command.h"

namespace zarvo::cli {

// zarvo-tool rsearch: the relative search's lines for a word, searching from offset 0.
[[nodiscard]] Command RsearchCommand();

}  // namespace zarvo::cli
