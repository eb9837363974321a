#include "view/mouse_placement.h"

#include "view/colour_table.h"
#include "view/cursor_geometry.h"
#include "view/row_layout.h"

namespace zarvo {

namespace {

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

    // The column is the hexadecimal cell drawn under the pointer, its trailing blank
    // included; a click left of the cells takes the first, right of them none.
    RowLayout layout;
    const ColorTable colours{};
    LayOutRow(PageRowRequest(doc, session, doc.cursorRow, 0), doc.table, colours, measure, layout);
    int32_t column = 0;
    for (const ViewCell& cell : layout.cells) {
        if (cell.kind != CellKind::Hex) continue;
        if (mouse.x < cell.x + cell.width + cell.trailingBlank) {
            doc.cursorColumn = static_cast<int8_t>(column);
            break;
        }
        ++column;
    }
    CursorGeometry(view).SettleFullPaint(doc);
    result.repaint = Repaint::Full;
    return result;
}

}  // namespace zarvo
