#include "core/change_marks.h"

#include <algorithm>
#include <iterator>

namespace zarvo {

void ChangeMarks::add(int32_t offset, int32_t count)
{
    if (count <= 0) return;
    int64_t first = offset;
    int64_t end = first + count;
    // Take in every range that overlaps or touches [first, end).
    auto at = ranges_.upper_bound(first);
    if (at != ranges_.begin()) {
        const auto before = std::prev(at);
        if (before->second >= first) at = before;
    }
    while (at != ranges_.end() && at->first <= end) {
        first = std::min(first, at->first);
        end = std::max(end, at->second);
        at = ranges_.erase(at);
    }
    ranges_.emplace(first, end);
}

bool ChangeMarks::contains(int32_t offset) const
{
    const auto after = ranges_.upper_bound(offset);
    return after != ranges_.begin() && std::prev(after)->second > offset;
}

int64_t ChangeMarks::nextChanged(int32_t offset) const
{
    if (contains(offset)) return offset;
    const auto after = ranges_.upper_bound(offset);
    return after == ranges_.end() ? -1 : after->first;
}

}  // namespace zarvo
