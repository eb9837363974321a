#include "tiles/tile_keys.h"

#include "tiles/edit_region.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_layout.h"
#include "tiles/strip_codec.h"
#include "tiles/tile_format.h"

#include <algorithm>

namespace zarvo {

namespace {

inline constexpr int32_t kPageStripRows = 16;

// Shift+arrows: the cursor size, 1..8 cells each way.
[[nodiscard]] bool ResizeCursor(TileSession& tiles, TileViewState& state, TileKey key)
{
    const auto step = [](int32_t& cells, int32_t by) { cells = std::clamp(cells + by, 1, kMaxCursorCells); };
    switch (key) {
    case TileKey::Left:
        step(state.cursorWidth, -1);
        break;
    case TileKey::Right:
        step(state.cursorWidth, 1);
        break;
    case TileKey::Up:
        step(state.cursorHeight, -1);
        break;
    case TileKey::Down:
        step(state.cursorHeight, 1);
        break;
    default:
        return false;
    }
    FixCursorData(tiles, state);
    return true;
}

// Ctrl+keys: tile height, window width and colour shift.
[[nodiscard]] bool ChangeSetting(TileSession& tiles, TileViewState& state, TileKey key)
{
    // The shift has no limit; it wraps rather than overflow.
    const auto shiftBy = [&tiles](uint32_t by) {
        tiles.colourShift = static_cast<int32_t>(static_cast<uint32_t>(tiles.colourShift) + by);
    };
    switch (key) {
    case TileKey::Down:
        state.stripHeight = std::clamp(state.stripHeight + 1, 1, kMaxStripHeight);
        return true;
    case TileKey::Up:
        state.stripHeight = std::clamp(state.stripHeight - 1, 1, kMaxStripHeight);
        return true;
    case TileKey::Right:
        state.stripsAcross = std::clamp(state.stripsAcross + 1, 1, kMaxStripsAcross);
        return true;
    case TileKey::Left:
        state.stripsAcross = std::clamp(state.stripsAcross - 1, 1, kMaxStripsAcross);
        return true;
    case TileKey::KeypadPlus:
        shiftBy(1);
        return true;
    case TileKey::KeypadMinus:
        shiftBy(UINT32_MAX);
        return true;
    default:
        return false;
    }
}

// The offset a moving key asks for, before the clamp; nothing for other keys.
[[nodiscard]] std::optional<int64_t> MoveTarget(const DocRecord& doc, TileKey key)
{
    const SheetLayout layout = SheetLayoutOf(doc);
    const int64_t offset = layout.offset;
    const int64_t stripRow = StripRowBytes(layout);
    const int64_t tile = 8 * TileFormatOf(layout.format).bytesPerRow;
    switch (key) {
    case TileKey::Left:
        if (offset == 0) return std::nullopt;
        return offset - 1;
    case TileKey::Right:
        return offset + 1;
    case TileKey::Up:
        return offset - stripRow;
    case TileKey::Down:
        return offset + stripRow;
    case TileKey::PageUp:
        return offset - kPageStripRows * stripRow;
    case TileKey::PageDown:
        return offset + kPageStripRows * stripRow;
    case TileKey::Home:
        return 0;
    case TileKey::End:
        return doc.viewSize - kPageStripRows * stripRow;
    case TileKey::KeypadPlus:
        return offset + tile;
    case TileKey::KeypadMinus:
        return offset - tile;
    default:
        return std::nullopt;
    }
}

}  // namespace

TileKeyResult ApplyTileKey(TileSession& tiles, DocRecord& doc, const TileKeyPress& press)
{
    TileKeyResult result;
    if (!doc.hasData()) return result;
    TileViewState& state = doc.tileView;
    SheetRedraw redraw = SheetRedraw::Full;
    if (press.shift) {
        if (!ResizeCursor(tiles, state, press.key)) return result;
        result.cursorSizeChanged = true;
    } else if (press.control) {
        if (!ChangeSetting(tiles, state, press.key)) return result;
    } else if (press.key == TileKey::Digit) {
        const auto format = TileFormatForKey(press.digit);
        if (!format) return result;
        SelectTileFormat(state, *format);
        result.formatChanged = true;
    } else if (press.key == TileKey::RawView) {
        state.rawView = state.rawView != 0 ? 0 : 1;
    } else if (press.key == TileKey::Help) {
        result.openHelp = true;
    } else {
        const auto target = MoveTarget(doc, press.key);
        if (!target) return result;
        const SheetLayout layout = SheetLayoutOf(doc);
        const int32_t offset = ClampSheetOffset(*target, layout.format, layout.stripHeight, doc.viewSize);
        // A shift matches a full redraw only when the clamp left the one-row move alone.
        if (offset == *target && press.key == TileKey::Up) redraw = SheetRedraw::ShiftedDown;
        if (offset == *target && press.key == TileKey::Down) redraw = SheetRedraw::ShiftedUp;
        doc.topOffset = offset;
    }
    RedrawSheet(tiles, doc, redraw);
    result.handled = true;
    return result;
}

}  // namespace zarvo
