#include "view/view_resize.h"

#include "view/cursor_geometry.h"
#include "view/view_sizing.h"

#include <algorithm>

namespace zarvo {

namespace {

// The cursor keeps its byte under a new row width: PlaceCursor chooses the page.
void KeepCursorByte(DocRecord& doc, const ViewState& view)
{
    doc.topOffset = CursorGeometry(view.bytesPerRow, view.pageBytes).PlaceCursorOnPage(doc, doc.cursorOffset);
}

}  // namespace

void FitViewToArea(ViewState& view, const DisplaySettings& settings, const ClientArea& area)
{
    if (settings.autoSizeRows) view.bytesPerRow = BytesPerRowForWidth(area.width, area.widths);
    view.pageBytes = RowsForHeight(area.height, view.rowHeight) * view.bytesPerRow;
}

EditResult ResizeView(DocRecord& doc, Session& session, ClientArea area)
{
    EditResult result;
    ViewState& view = session.view;
    if (!session.settings.autoSizeRows) return result;
    FitViewToArea(view, session.settings, area);
    KeepCursorByte(doc, view);
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
