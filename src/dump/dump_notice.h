#pragma once
// Message texts of the dumps, insertion and fill: what they tell the user is a Notice.

#include "core/notice.h"

#include <string>
#include <utility>

namespace zarvo {

// pattern with its one "%s" replaced by value (the pattern is ours, never a table's).
[[nodiscard]] std::string FillInText(const char* pattern, const std::string& value);

}  // namespace zarvo
