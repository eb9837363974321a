#include "search/search_progress.h"

#include "search/search_messages.h"

#include <algorithm>
#include <cstdio>

namespace zarvo {

std::string SearchingText(int32_t percent)
{
    char text[32] = {};
    std::snprintf(text, sizeof text, messages::kSearchingFormat, std::clamp(percent, 0, 100));
    return text;
}

}  // namespace zarvo
