#include "view/key_editing.h"

#include "core/table_loader.h"
#include "view/cursor_geometry.h"
#include "view/typed_character.h"
#include "view/view_resize.h"
#include "view/view_sizing.h"

#include <algorithm>
#include <limits>

namespace zarvo {

namespace {

[[nodiscard]] int32_t ClampToOffset(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The cursor moves of one key, remembering what the paint afterwards must cover.
class CursorMove {
public:
    CursorMove(DocRecord& doc, const ViewState& view, int32_t rows) : doc_(doc), view_(view), rows_(rows) {}

    void left()
    {
        if (doc_.cursorColumn == 0) {
            doc_.cursorColumn = static_cast<int8_t>(view_.bytesPerRow - 1);
            up();
            return;
        }
        --doc_.cursorColumn;
        rows(doc_.cursorRow, doc_.cursorRow);
    }

    void right()
    {
        if (doc_.cursorColumn >= view_.bytesPerRow - 1) {
            doc_.cursorColumn = 0;
            down();
            return;
        }
        ++doc_.cursorColumn;
        rows(doc_.cursorRow, doc_.cursorRow);
    }

    void up()
    {
        const int old = doc_.cursorRow;
        if (old - 1 < 0) {
            doc_.cursorRow = 0;
            scrollBy(-view_.bytesPerRow);
            return;
        }
        doc_.cursorRow = static_cast<int8_t>(old - 1);
        rows(doc_.cursorRow, old);
    }

    void down()
    {
        // Counted in int: the 8-bit field would wrap past row 127.
        const int old = doc_.cursorRow;
        int row = old < rows_ ? old + 1 : old;
        if (row > rows_ - 1) {
            doc_.cursorRow = static_cast<int8_t>(rows_ - 1);
            scrollBy(view_.bytesPerRow);
            return;
        }
        doc_.cursorRow = static_cast<int8_t>(row);
        rows(old, row);
    }

    void pageUp()
    {
        const int64_t top = doc_.topOffset;
        if (top == view_.pageBytes || top - view_.pageBytes < 1) {
            doc_.topOffset = 0;
        } else {
            doc_.topOffset = ClampToOffset(top - view_.pageBytes);
        }
        full();
    }

    void pageDown()
    {
        const int64_t next = static_cast<int64_t>(doc_.topOffset) + view_.pageBytes;
        doc_.topOffset =
            next < doc_.viewSize ? static_cast<int32_t>(next) : std::max(0, doc_.viewSize - view_.pageBytes);
        full();
    }

    void column(int32_t column)
    {
        doc_.cursorColumn = static_cast<int8_t>(column);
        full();
    }

    void full() { full_ = true; }

    [[nodiscard]] EditResult result() const
    {
        EditResult result;
        if (full_) {
            result.repaint = Repaint::Full;
        } else if (rowsSet_) {
            result.repaint = Repaint::Rows;
            result.firstRow = first_;
            result.secondRow = second_;
        } else {
            result.repaint = Repaint::Status;
        }
        return result;
    }

private:
    void rows(int first, int second)
    {
        rowsSet_ = true;
        first_ = first;
        second_ = second;
    }

    // The full paint that follows keeps topOffset within the document.
    void scrollBy(int32_t bytes)
    {
        doc_.topOffset = ClampToOffset(static_cast<int64_t>(doc_.topOffset) + bytes);
        full();
    }

    DocRecord& doc_;
    const ViewState& view_;
    const int32_t rows_;
    bool full_ = false;
    bool rowsSet_ = false;
    int first_ = 0;
    int second_ = 0;
};

// The Ctrl table. True when the key was one of its commands: it is then used up.
[[nodiscard]] bool RunCtrlCommand(DocRecord& doc, Session& session, int32_t clientHeight, EditKey key, CursorMove& move)
{
    const ViewState& view = session.view;
    switch (key) {
    case EditKey::PageUp:
        doc.cursorRow = 0;
        move.full();
        return true;
    case EditKey::PageDown:
        doc.cursorRow = static_cast<int8_t>(VisibleRows(view, clientHeight) - 1);
        move.full();
        return true;
    case EditKey::Home:
        doc.topOffset = 0;
        move.full();
        return true;
    case EditKey::End:
        doc.topOffset = std::max(0, doc.viewSize - view.pageBytes);
        move.full();
        return true;
    case EditKey::Left:
    case EditKey::Right:
        // While the row follows the window width the key does nothing at all.
        if (StepBytesPerRow(doc, session, clientHeight, key == EditKey::Left ? -1 : 1)) move.full();
        return true;
    case EditKey::Up:
    case EditKey::Down:
        doc.asciiShift = static_cast<int8_t>(doc.asciiShift + (key == EditKey::Up ? 1 : -1));
        if (doc.table.activeTable == kAsciiTable) LoadAsciiTable(doc, session.tables);
        move.full();
        return true;
    default:
        return false;
    }
}

}  // namespace

int32_t VisibleRows(const ViewState& view, int32_t clientHeight) { return RowsForHeight(clientHeight, view.rowHeight); }

EditResult KeyDown(DocRecord& doc, Session& session, int32_t clientHeight, const KeyStroke& stroke)
{
    EditResult stopped;
    if (!doc.hasData()) return stopped;

    const ViewState& view = session.view;
    CursorMove move(doc, view, VisibleRows(view, clientHeight));
    const bool used = stroke.modifiers.ctrl && RunCtrlCommand(doc, session, clientHeight, stroke.key, move);
    if (!used) {
        switch (stroke.key) {
        case EditKey::Left:
        case EditKey::Backspace:
            move.left();
            break;
        case EditKey::Right:
            move.right();
            break;
        case EditKey::Up:
            move.up();
            break;
        case EditKey::Down:
            move.down();
            break;
        case EditKey::PageUp:
            move.pageUp();
            break;
        case EditKey::PageDown:
            move.pageDown();
            break;
        case EditKey::Home:
            move.column(0);
            break;
        case EditKey::End:
            move.column(view.bytesPerRow - 1);
            break;
        case EditKey::RepaintRequest:
            move.full();
            break;
        case EditKey::Other:
            // The digit is typed by KeyPress; a first digit waiting for its second survives.
            if (!doc.textMode && TypesHexDigit(stroke.code)) return stopped;
            break;
        case EditKey::Modifier:
            return stopped;
        }
    }

    doc.nibblePending = false;
    EditResult result = move.result();
    if (result.repaint == Repaint::Full) {
        CursorGeometry(view).SettleFullPaint(doc);
    } else {
        CursorGeometry(view).SettleCursorOffset(doc);
    }
    return result;
}

}  // namespace zarvo
