#include "core/change_marks.h"

#include <algorithm>

namespace zarvo {

template <typename Visit>
void ChangeMarks::ForEachPage(int32_t offset, int32_t count, Visit visit)
{
    const int64_t first = std::max<int64_t>(offset, 0);
    const int64_t end = static_cast<int64_t>(offset) + std::max(count, 0);
    for (int64_t at = first; at < end;) {
        const int64_t pageEnd = ((at >> kPageShift) + 1) << kPageShift;
        const int64_t stop = std::min(end, pageEnd);
        visit(static_cast<int32_t>(at >> kPageShift), static_cast<int32_t>(at & (kPageBytes - 1)),
              static_cast<int32_t>(stop - at), static_cast<std::size_t>(at - offset));
        at = stop;
    }
}

void ChangeMarks::noteWrite(int32_t offset, int32_t count, const uint8_t* current)
{
    ForEachPage(offset, count, [&](int32_t index, int32_t into, int32_t bytes, std::size_t from) {
        Page& page = pages_[index];
        for (int32_t at = into; at < into + bytes; ++at) {
            uint64_t& word = page.marked[static_cast<std::size_t>(at) / 64];
            const uint64_t bit = uint64_t{1} << (at % 64);
            if ((word & bit) != 0) continue;
            word |= bit;
            page.saved[static_cast<std::size_t>(at)] = current[from + static_cast<std::size_t>(at - into)];
            ++page.count;
        }
    });
}

void ChangeMarks::settle(int32_t offset, int32_t count, const uint8_t* now)
{
    ForEachPage(offset, count, [&](int32_t index, int32_t into, int32_t bytes, std::size_t from) {
        const auto found = pages_.find(index);
        if (found == pages_.end()) return;
        Page& page = found->second;
        for (int32_t at = into; at < into + bytes; ++at) {
            uint64_t& word = page.marked[static_cast<std::size_t>(at) / 64];
            const uint64_t bit = uint64_t{1} << (at % 64);
            if ((word & bit) == 0 ||
                page.saved[static_cast<std::size_t>(at)] != now[from + static_cast<std::size_t>(at - into)]) {
                continue;
            }
            word &= ~bit;
            --page.count;
        }
        if (page.count == 0) pages_.erase(found);
    });
}

void ChangeMarks::clearBefore(int32_t end)
{
    if (end <= 0) return;
    const int32_t partial = end >> kPageShift;
    pages_.erase(pages_.begin(), pages_.lower_bound(partial));
    const auto found = pages_.find(partial);
    if (found == pages_.end()) return;
    Page& page = found->second;
    for (int32_t at = 0; at < (end & (kPageBytes - 1)); ++at) {
        uint64_t& word = page.marked[static_cast<std::size_t>(at) / 64];
        const uint64_t bit = uint64_t{1} << (at % 64);
        if ((word & bit) == 0) continue;
        word &= ~bit;
        --page.count;
    }
    if (page.count == 0) pages_.erase(found);
}

bool ChangeMarks::contains(int32_t offset) const
{
    if (offset < 0) return false;
    const auto found = pages_.find(offset >> kPageShift);
    if (found == pages_.end()) return false;
    const int32_t at = offset & (kPageBytes - 1);
    return (found->second.marked[static_cast<std::size_t>(at) / 64] >> (at % 64) & 1) != 0;
}

}  // namespace zarvo
