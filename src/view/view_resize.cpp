#include "view/view_resize.h"

#include "view/cursor_geometry.h"
#include "view/jump.h"
#include "view/view_sizing.h"

#include <algorithm>

namespace zarvo {

namespace {

// The cursor keeps its byte under a new row width: PlaceCursor chooses the page.
void KeepCursorByte(DocRecord& doc, const ViewState& view) { ShowCursorAt(doc, view, doc.cursorOffset); }

// The cursor keeps its byte on a refitted page; the page moves only when that byte
// no longer lies on it.
void KeepCursorOnPage(DocRecord& doc, const ViewState& view)
{
    const CursorGeometry geometry(view);
    // A larger page may reach past the end: it starts earlier then, as a paint keeps it.
    const int32_t top = std::clamp(doc.topOffset, 0, std::max(doc.viewSize - std::max(view.pageBytes, 0), 0));
    const int64_t intoPage = static_cast<int64_t>(doc.cursorOffset) - top;
    if (intoPage < 0 || intoPage >= static_cast<int64_t>(geometry.rowsPerPage()) * geometry.bytesPerRow()) {
        KeepCursorByte(doc, view);
        return;
    }
    doc.topOffset = top;
    doc.cursorRow = static_cast<int8_t>(intoPage / geometry.bytesPerRow());
    doc.cursorColumn = static_cast<int8_t>(intoPage % geometry.bytesPerRow());
}

void FitPage(ViewState& view, const DisplaySettings& settings, const ClientArea& area)
{
    if (settings.autoSizeRows) view.bytesPerRow = BytesPerRowForWidth(area.width, area.widths);
    view.pageBytes = RowsForHeight(area.height, view.rowHeight) * view.bytesPerRow;
}

}  // namespace

void FitViewToArea(DocRecord& doc, Session& session, const ClientArea& area)
{
    FitPage(session.view, session.settings, area);
    if (!doc.hasData()) return;
    KeepCursorOnPage(doc, session.view);
    CursorGeometry(session.view).SettleFullPaint(doc);
}

EditResult ResizeView(DocRecord& doc, Session& session, ClientArea area)
{
    EditResult result;
    ViewState& view = session.view;
    FitPage(view, session.settings, area);
    if (session.settings.autoSizeRows) {
        KeepCursorByte(doc, view);
    } else {
        KeepCursorOnPage(doc, view);
    }
    CursorGeometry(view).SettleFullPaint(doc);
    result.repaint = Repaint::Full;
    return result;
}

bool StepBytesPerRow(DocRecord& doc, Session& session, int32_t clientHeight, int delta)
{
    if (session.settings.autoSizeRows || delta == 0) return false;
    ViewState& view = session.view;
    // A width taken over from automatic sizing may lie above 32: Ctrl+Left then
    // narrows it one byte at a time, Ctrl+Right brings it to 32 at once.
    const int32_t current = std::clamp(view.bytesPerRow, 1, kMaxBytesPerRow);
    view.bytesPerRow = delta < 0 ? std::max(1, current - 1) : std::min(kMaxManualBytesPerRow, current + 1);
    view.pageBytes = VisibleRows(view, clientHeight) * view.bytesPerRow;
    KeepCursorByte(doc, view);
    return true;
}

}  // namespace zarvo
