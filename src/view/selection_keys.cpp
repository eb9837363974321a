#include "view/selection_keys.h"

#include "view/cursor_geometry.h"
#include "view/selection.h"

#include <algorithm>
#include <limits>

namespace zarvo {

namespace {

enum class SelectionEffect { Keep, Extend, End };

[[nodiscard]] bool IsArrow(EditKey key)
{
    return key == EditKey::Left || key == EditKey::Right || key == EditKey::Up || key == EditKey::Down;
}

[[nodiscard]] SelectionEffect EffectOf(const KeyStroke& stroke)
{
    switch (stroke.key) {
    case EditKey::Left:
    case EditKey::Right:
    case EditKey::Up:
    case EditKey::Down:
    case EditKey::PageUp:
    case EditKey::PageDown:
    case EditKey::Home:
    case EditKey::End:
        // Ctrl+arrows change the row width or the ASCII table; the cursor keeps its byte.
        if (stroke.modifiers.ctrl && IsArrow(stroke.key)) return SelectionEffect::Keep;
        return stroke.modifiers.shift ? SelectionEffect::Extend : SelectionEffect::End;
    case EditKey::Modifier:  // Shift goes down before every selecting key
    case EditKey::RepaintRequest:
        return SelectionEffect::Keep;
    case EditKey::Backspace:
    case EditKey::Other:
        break;
    }
    return SelectionEffect::End;
}

[[nodiscard]] int32_t CursorByte(const DocRecord& doc, const CursorGeometry& geometry)
{
    return static_cast<int32_t>(std::clamp<int64_t>(geometry.cursorByte(doc), 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

EditResult SelectingKeyDown(DocRecord& doc, Session& session, int32_t clientHeight, const KeyStroke& stroke)
{
    const CursorGeometry geometry(session.view);
    const int32_t before = CursorByte(doc, geometry);
    EditResult result = KeyDown(doc, session, clientHeight, stroke);
    if (!doc.hasData()) return result;

    bool changed = false;
    switch (EffectOf(stroke)) {
    case SelectionEffect::Keep:
        break;
    case SelectionEffect::Extend:
        ExtendSelection(doc, before, CursorByte(doc, geometry));
        changed = true;
        break;
    case SelectionEffect::End:
        changed = EndSelection(doc);
        break;
    }
    if (changed && result.repaint != Repaint::Full) {
        // The selection's colours may reach over every row of the page.
        geometry.SettleFullPaint(doc);
        result.repaint = Repaint::Full;
    }
    return result;
}

}  // namespace zarvo
