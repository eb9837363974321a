#include "tools/difference_scanner.h"

#include "tools/byte_scan.h"

namespace zarvo {

void DifferenceScanner::scan(const uint8_t* a, const uint8_t* b, std::size_t count)
{
    std::size_t position = 0;
    if (runOpen_) {
        position = NextAgreement(a, b, 0, count);
        runs_.back().length += static_cast<int32_t>(position);
        runOpen_ = position == count;
    }
    while (position < count) {
        position = NextDifference(a, b, position, count);
        if (position >= count) break;
        const std::size_t end = NextAgreement(a, b, position, count);
        runs_.push_back({static_cast<int32_t>(scanned_ + position), static_cast<int32_t>(end - position)});
        runOpen_ = end == count;
        position = end;
    }
    scanned_ += count;
}

}  // namespace zarvo
