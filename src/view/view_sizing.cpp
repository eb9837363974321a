#include "view/view_sizing.h"

#include "core/session.h"

#include <algorithm>

namespace zarvo {

int32_t BytesPerRowForWidth(int32_t clientWidth, const RowWidths& widths)
{
    // Widened first, so a huge negative width cannot overflow; rounded towards minus
    // infinity, so a width short of the fixed part gives no byte (then one).
    const int64_t room = static_cast<int64_t>(clientWidth) - widths.fixed;
    const int64_t perByte = std::max<int64_t>(widths.perByte, 1);
    const int64_t bytes = room >= 0 ? room / perByte : -1;
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
