#include "view/mouse_placement.h"

#include <array>

namespace zarvo {

namespace {

constexpr std::string_view kLeftEdgeText = "00000000 14";
constexpr std::string_view kBlank = " ";
constexpr std::string_view kMissingByteText = "00";  // cells past the end measure as a byte would

[[nodiscard]] std::array<char, 2> HexText(uint8_t value)
{
    constexpr std::string_view digits = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0xF]};
}

// Floor division: a pointer above the window lies on a negative row.
[[nodiscard]] int32_t RowAt(int32_t y, int32_t rowHeight)
{
    if (rowHeight < 1) return 0;
    const int32_t row = y / rowHeight;
    return (y % rowHeight != 0 && y < 0) ? row - 1 : row;
}

}  // namespace

void RecordMouseMove(MouseRecord& mouse, int32_t x, int32_t y, int32_t rowHeight)
{
    mouse.row = RowAt(y, rowHeight);
    mouse.x = x;
}

EditResult Click(DocRecord& doc, Session& session, int32_t clientHeight, const TextMeasure& measure)
{
    EditResult result;
    if (!doc.hasData()) return result;
    const ViewState& view = session.view;
    const MouseRecord& mouse = session.mouse;
    if (mouse.row >= 0 && mouse.row < VisibleRows(view, clientHeight)) doc.cursorRow = static_cast<int8_t>(mouse.row);

    const int64_t rowOffset =
        static_cast<int64_t>(doc.topOffset) + static_cast<int64_t>(doc.cursorRow) * view.bytesPerRow;
    const int blankWidth = session.settings.spacedHex ? measure.width(kBlank, false) : 0;
    int64_t rightEdge = measure.width(kLeftEdgeText, false);
    for (int32_t column = 0; column < view.bytesPerRow; ++column) {
        const int64_t offset = rowOffset + column;
        if (offset >= 0 && offset < doc.viewSize) {
            const std::array<char, 2> text = HexText(doc.data()[offset]);
            rightEdge += measure.width({text.data(), text.size()}, false);
        } else {
            rightEdge += measure.width(kMissingByteText, false);
        }
        rightEdge += blankWidth;
        if (rightEdge >= mouse.x) {
            doc.cursorColumn = static_cast<int8_t>(column);
            break;
        }
    }
    SettleFullPaint(doc, view);
    result.repaint = Repaint::Full;
    return result;
}

}  // namespace zarvo
