#include "core/change_marks.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

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

namespace {

constexpr int32_t kWordBytes = 64;  // one mark word covers 64 bytes

// The bits of mark word `word` that bytes [from, to) of its page cover.
uint64_t CoveredBits(int32_t word, int32_t from, int32_t to)
{
    const int32_t low = std::max(from - word * kWordBytes, 0);
    const int32_t high = std::min(to - word * kWordBytes, kWordBytes);
    if (high <= low) return 0;
    const uint64_t belowHigh = high == kWordBytes ? ~uint64_t{0} : (uint64_t{1} << high) - 1;
    return belowHigh & ~((uint64_t{1} << low) - 1);
}

// std::popcount is a library call on the baseline x86-64 this is built for.
int CountBits(uint64_t bits)
{
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

}  // namespace

// A large write marks, and settles, whole words of 64 bytes at once instead of byte by
// byte; the few bytes of a small write are still looked at one by one.
void ChangeMarks::noteWrite(int32_t offset, int32_t count, const uint8_t* current)
{
    ForEachPage(offset, count, [&](int32_t index, int32_t into, int32_t bytes, std::size_t from) {
        Page& page = pages_[index];
        for (int32_t word = into / kWordBytes; word * kWordBytes < into + bytes; ++word) {
            uint64_t& marks = page.marked[static_cast<std::size_t>(word)];
            const uint64_t fresh = CoveredBits(word, into, into + bytes) & ~marks;
            if (fresh == 0) continue;
            // Byte `bit` of this word is byte source + bit of the write.
            const auto source = static_cast<std::ptrdiff_t>(from) + word * kWordBytes - into;
            uint8_t* saved = page.saved.data() + word * kWordBytes;
            if (fresh == ~uint64_t{0}) {
                std::memcpy(saved, current + source, kWordBytes);
            } else {
                for (uint64_t bits = fresh; bits != 0; bits &= bits - 1) {
                    const int bit = std::countr_zero(bits);
                    saved[bit] = current[source + bit];
                }
            }
            marks |= fresh;
            page.count += CountBits(fresh);
        }
    });
}

void ChangeMarks::settle(int32_t offset, int32_t count, const uint8_t* now)
{
    ForEachPage(offset, count, [&](int32_t index, int32_t into, int32_t bytes, std::size_t from) {
        const auto found = pages_.find(index);
        if (found == pages_.end()) return;
        Page& page = found->second;
        const std::ptrdiff_t shift = static_cast<std::ptrdiff_t>(from) - into;  // now[shift + at]: byte at of the page
        for (int32_t at = into; at < into + bytes;) {
            uint64_t& marks = page.marked[static_cast<std::size_t>(at) / 64];
            if (at % kWordBytes == 0 && at + kWordBytes <= into + bytes && marks == ~uint64_t{0}) {
                // A whole word of marked bytes: its 64 bytes compared at once.
                uint64_t restored = 0;
                for (int bit = 0; bit < kWordBytes; ++bit) {
                    restored |= uint64_t{page.saved[static_cast<std::size_t>(at + bit)] == now[shift + at + bit]}
                                << bit;
                }
                marks &= ~restored;
                page.count -= CountBits(restored);
                at += kWordBytes;
                continue;
            }
            const uint64_t bit = uint64_t{1} << (at % 64);
            if ((marks & bit) != 0 && page.saved[static_cast<std::size_t>(at)] == now[shift + at]) {
                marks &= ~bit;
                --page.count;
            }
            ++at;
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
