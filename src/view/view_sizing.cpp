#include "view/view_sizing.h"

#include "core/session.h"

#include <algorithm>

namespace zarvo {

namespace {

constexpr int64_t kHexRowMargin = 64;   // offset column and scroll bar
constexpr int kPixelsPerByteShift = 5;  // 32 pixels per byte of a row

}  // namespace

int32_t BytesPerRowForWidth(int32_t clientWidth)
{
    // Widened first, so a huge negative width cannot overflow.
    const int64_t bytes = (static_cast<int64_t>(clientWidth) - kHexRowMargin) >> kPixelsPerByteShift;
    return static_cast<int32_t>(std::clamp<int64_t>(bytes, 1, kMaxBytesPerRow));
}

int32_t RowsForHeight(int32_t clientHeight, int32_t rowHeight)
{
    if (rowHeight < 1) {
        return 1;  // a font never gives such rows; refuse to divide by them
    }
    return std::clamp(clientHeight / rowHeight, 1, kMaxViewRows);
}

}  // namespace zarvo
