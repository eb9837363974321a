#include "view/scroll_mapping.h"

#include "view/cursor_geometry.h"

#include <algorithm>

namespace zarvo {

namespace {

constexpr int32_t kLargestStep = 32767;  // steps are 16-bit

[[nodiscard]] int32_t Step(int32_t bytes) { return std::clamp(bytes, 1, kLargestStep); }

}  // namespace

ScrollRange ScrollRangeFor(const DocRecord& doc, const ViewState& view)
{
    ScrollRange range;
    range.maximum = std::max(doc.viewSize, 0);
    range.singleStep = Step(view.bytesPerRow);
    range.pageStep = Step(view.pageBytes);
    return range;
}

std::optional<EditKey> SyntheticKeyFor(ScrollAction action)
{
    switch (action) {
    case ScrollAction::LineUp:
        return EditKey::Up;
    case ScrollAction::LineDown:
        return EditKey::Down;
    case ScrollAction::PageUp:
        return EditKey::PageUp;
    case ScrollAction::PageDown:
        return EditKey::PageDown;
    case ScrollAction::Top:
        return EditKey::Home;
    case ScrollAction::Bottom:
        return EditKey::End;
    case ScrollAction::ThumbTrack:
    case ScrollAction::ThumbPosition:
    case ScrollAction::EndScroll:
        break;
    }
    return std::nullopt;
}

EditResult Scroll(DocRecord& doc, Session& session, int32_t clientHeight, ScrollAction action, int32_t position)
{
    if (const std::optional<EditKey> key = SyntheticKeyFor(action)) {
        return KeyDown(doc, session, clientHeight, KeyStroke{*key, 0, {}});
    }
    if (action == ScrollAction::ThumbTrack && doc.hasData()) {
        const int32_t target = std::clamp(position, 0, std::max(doc.viewSize, 0));
        doc.topOffset = CursorGeometry(session.view.bytesPerRow, session.view.pageBytes).PlaceCursor(doc, target);
        return KeyDown(doc, session, clientHeight, KeyStroke{EditKey::RepaintRequest, 0, {}});
    }
    EditResult nothing;
    return nothing;
}

}  // namespace zarvo
