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

// Where a pointer at x lies among a row's cells of one kind, hexadecimal or text.
struct PointedColumn {
    int32_t column = 0;   // the cell under x (its trailing blank included), 0 left of the cells
    int32_t columns = 1;  // the columns that cell shows: 2 for a pair entry
    bool rightOfCells = false;
    bool onCell = false;      // x lies on the cells, not left of them
    bool byteExists = false;  // that cell shows a byte
    bool inText = false;      // a text cell
};

[[nodiscard]] PointedColumn ColumnAt(const RowLayout& layout, int32_t x, CellKind kind)
{
    PointedColumn found;
    int32_t column = 0;
    for (const ViewCell& cell : layout.cells) {
        if (cell.kind != kind) continue;
        const int32_t columns = cell.textKind == TextKind::Pair ? 2 : 1;
        if (x < cell.x + cell.width + cell.trailingBlank) {
            found.column = column;
            found.columns = columns;
            found.onCell = x >= cell.x;
            found.byteExists = cell.byteOffset >= 0;
            return found;
        }
        column += columns;
    }
    found.column = std::max(column - 1, 0);
    found.rightOfCells = true;
    return found;
}

// The column a click or a press chooses: the hexadecimal cell under x, else the text
// cell under it; none right of the hexadecimal cells and off the text cells.
[[nodiscard]] std::optional<PointedColumn> ClickedColumn(const RowLayout& layout, int32_t x)
{
    const PointedColumn hex = ColumnAt(layout, x, CellKind::Hex);
    if (!hex.rightOfCells) return hex;
    PointedColumn text = ColumnAt(layout, x, CellKind::Text);
    if (!text.onCell || text.rightOfCells) return std::nullopt;
    text.inText = true;
    return text;
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
    // included, or the text cell under it (a pair's first byte); a click left of the
    // hexadecimal cells takes the first, between the columns or right of them none.
    RowLayout layout;
    const std::optional<PointedColumn> hit =
        ClickedColumn(LayOutShownRow(doc, session, doc.cursorRow, measure, layout), mouse.x);
    if (hit) doc.cursorColumn = static_cast<int8_t>(hit->column);
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
    const std::optional<PointedColumn> hit =
        ClickedColumn(LayOutShownRow(doc, session, mouse.row, measure, layout), mouse.x);
    if (!hit || !hit->onCell || !hit->byteExists) return drag;
    drag.pressed = true;
    drag.inText = hit->inText;
    drag.anchor = static_cast<int32_t>(static_cast<int64_t>(doc.topOffset) +
                                       static_cast<int64_t>(mouse.row) * session.view.bytesPerRow + hit->column);
    return drag;
}

EditResult DragTo(DocRecord& doc, const Session& session, int32_t clientHeight, const TextMeasure& measure,
                  MouseDrag& drag)
{
    EditResult result;
    if (!drag.pressed || !doc.hasData() || doc.viewSize < 1) return result;
    const int32_t row = std::clamp(session.mouse.row, 0, VisibleRows(session.view, clientHeight) - 1);
    RowLayout layout;
    const PointedColumn hit = ColumnAt(LayOutShownRow(doc, session, row, measure, layout), session.mouse.x,
                                       drag.inText ? CellKind::Text : CellKind::Hex);
    const int64_t rowStart = static_cast<int64_t>(doc.topOffset) + static_cast<int64_t>(row) * session.view.bytesPerRow;
    int64_t pointed = rowStart + hit.column;
    // A pair after the pressed byte is taken whole: its second byte ends the selection.
    if (pointed > drag.anchor) pointed += hit.columns - 1;
    const auto byte = static_cast<int32_t>(std::clamp<int64_t>(pointed, 0, doc.viewSize - 1));
    if (!drag.selecting && byte == drag.anchor) return result;
    drag.selecting = true;
    const std::optional<ByteRange> before = SelectedRange(doc);
    Select(doc, drag.anchor, byte);
    if (SelectedRange(doc) != before) result.repaint = Repaint::Full;
    return result;
}

}  // namespace zarvo
