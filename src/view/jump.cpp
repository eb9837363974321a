#include "view/jump.h"

#include "view/cursor_geometry.h"

namespace zarvo {

void ShowCursorAt(DocRecord& doc, const ViewState& view, int32_t offset)
{
    doc.topOffset = CursorGeometry(view).PlaceCursorOnPage(doc, offset);
}

void JumpTo(DocRecord& doc, const Session& session, int32_t offset)
{
    if (session.tiles.editorOn) {
        doc.topOffset = offset;
        doc.cursorOffset = offset;
        doc.cursorRow = 0;
        doc.cursorColumn = 0;
        return;
    }
    ShowCursorAt(doc, session.view, offset);
}

}  // namespace zarvo
