#include "view/mouse_placement.h"

#include "view/colour_table.h"
#include "view/cursor_geometry.h"
#include "view/row_layout.h"
#include "view/selection.h"

#include <algorithm>
#include <optional>

namespace zarvo {

namespace {

// Floor division: a pointer above the window lies on a negative row.
[[nodiscard]] int32_t RowAt(int32_t y, int32_t rowHeight)
{
    if (rowHeight < 1) return 0;
    const int32_t row = y / rowHeight;
    return (y % rowHeight != 0 && y < 0) ? row - 1 : row;
}

[[nodiscard]] const RowLayout& LayOutShownRow(const DocRecord& doc, const Session& session, int row,
                                              const TextMeasure& measure, RowLayout& layout)
{
    const ColorTable colours{};
    LayOutRow(PageRowRequest(doc, session, row, 0), doc.table, colours, measure, layout);
    return layout;
}

// Where a pointer at x lies among a row's hexadecimal cells.
struct HexColumn {
    int32_t column = 0;  // the cell under x (its trailing blank included), 0 left of the cells
    bool rightOfCells = false;
    bool onCell = false;      // x lies on the cells, not left of them
    bool byteExists = false;  // that cell shows a byte
};

[[nodiscard]] HexColumn HexColumnAt(const RowLayout& layout, int32_t x)
{
    HexColumn found;
    int32_t column = 0;
    for (const ViewCell& cell : layout.cells) {
        if (cell.kind != CellKind::Hex) continue;
        if (x < cell.x + cell.width + cell.trailingBlank) {
            found.column = column;
            found.onCell = x >= cell.x;
            found.byteExists = cell.byteOffset >= 0;
            return found;
        }
        ++column;
    }
    found.column = std::max(column - 1, 0);
    found.rightOfCells = true;
    return found;
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

    // The column is the hexadecimal cell drawn under the pointer, its trailing blank
    // included; a click left of the cells takes the first, right of them none.
    RowLayout layout;
    const HexColumn hit = HexColumnAt(LayOutShownRow(doc, session, doc.cursorRow, measure, layout), mouse.x);
    if (!hit.rightOfCells) doc.cursorColumn = static_cast<int8_t>(hit.column);
    EndSelection(doc);
    CursorGeometry(view).SettleFullPaint(doc);
    result.repaint = Repaint::Full;
    return result;
}

MouseDrag PressForDrag(const DocRecord& doc, const Session& session, int32_t clientHeight, const TextMeasure& measure)
{
    MouseDrag drag;
    const MouseRecord& mouse = session.mouse;
    if (!doc.hasData() || mouse.row < 0 || mouse.row >= VisibleRows(session.view, clientHeight)) return drag;
    RowLayout layout;
    const HexColumn hit = HexColumnAt(LayOutShownRow(doc, session, mouse.row, measure, layout), mouse.x);
    if (hit.rightOfCells || !hit.onCell || !hit.byteExists) return drag;
    drag.pressed = true;
    drag.anchor = static_cast<int32_t>(static_cast<int64_t>(doc.topOffset) +
                                       static_cast<int64_t>(mouse.row) * session.view.bytesPerRow + hit.column);
    return drag;
}

EditResult DragTo(DocRecord& doc, const Session& session, int32_t clientHeight, const TextMeasure& measure,
                  MouseDrag& drag)
{
    EditResult result;
    if (!drag.pressed || !doc.hasData() || doc.viewSize < 1) return result;
    const int32_t row = std::clamp(session.mouse.row, 0, VisibleRows(session.view, clientHeight) - 1);
    RowLayout layout;
    const HexColumn hit = HexColumnAt(LayOutShownRow(doc, session, row, measure, layout), session.mouse.x);
    const int64_t pointed =
        static_cast<int64_t>(doc.topOffset) + static_cast<int64_t>(row) * session.view.bytesPerRow + hit.column;
    const auto byte = static_cast<int32_t>(std::clamp<int64_t>(pointed, 0, doc.viewSize - 1));
    if (!drag.selecting && byte == drag.anchor) return result;
    drag.selecting = true;
    const std::optional<ByteRange> before = SelectedRange(doc);
    Select(doc, drag.anchor, byte);
    if (SelectedRange(doc) != before) result.repaint = Repaint::Full;
    return result;
}

}  // namespace zarvo
