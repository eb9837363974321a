#pragma once
// The editor window's vertical scroll bar: its range, and its actions turned into
// the keys they stand for. The scroll bar itself never acts on keys.

#include "core/document.h"
#include "core/session.h"
#include "view/key_editing.h"

#include <cstdint>
#include <optional>

namespace zarvo {

inline constexpr int kScrollBarWidth = 12;  // along the window's left edge

enum class ScrollAction {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    Top,
    Bottom,
    ThumbTrack,     // the thumb is being dragged
    ThumbPosition,  // the thumb was let go
    EndScroll,
};

struct ScrollRange {
    int32_t minimum = 0;
    int32_t maximum = 0;     // viewSize
    int32_t singleStep = 1;  // bytesPerRow
    int32_t pageStep = 1;    // pageBytes
};

// Steps are kept within 1 .. 32767 as the bar takes them.
[[nodiscard]] ScrollRange ScrollRangeFor(const DocRecord& doc, const ViewState& view);

// Line up/down, page up/down, top and bottom stand for Up, Down, PageUp, PageDown,
// Home and End without modifiers; the other actions stand for no key.
[[nodiscard]] std::optional<EditKey> SyntheticKeyFor(ScrollAction action);

// One scroll-bar action. position is the bar's current value: dragging the thumb
// puts the cursor on that offset and repaints everything; letting it go and the
// end of a scroll do nothing.
[[nodiscard]] EditResult Scroll(DocRecord& doc, Session& session, int32_t clientHeight, ScrollAction action,
                                int32_t position);

}  // namespace zarvo
