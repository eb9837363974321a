#include "dump/dump_notice.h"

#include <string_view>

namespace zarvo {

std::string FillInText(const char* pattern, const std::string& value)
{
    std::string text(pattern);
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

}  // namespace zarvo
