#pragma once
// The kana character grid of the Find dialog: five grids of 6 rows by 16 Shift-JIS
// codes (8140, the full-width blank, fills the cells without a character), the
// cell under the mouse, and what a click on a cell types into FindBox.

#include "core/table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zarvo {

inline constexpr int32_t kKanaGridCount = 5;  // the items of kbox
inline constexpr int32_t kKanaGridColumns = 16;
inline constexpr int32_t kKanaGridRows = 6;
inline constexpr int32_t kKanaCellPixels = 24;
inline constexpr uint16_t kKanaBlank = 0x8140;

using KanaGridCodes = std::array<uint16_t, kKanaGridColumns * kKanaGridRows>;

// Grid index of kbox: 0 Punctuation, 1 Numbers, 2 Ascii, 3 Hiragana, 4 Katakana;
// any other index gives Punctuation.
[[nodiscard]] const KanaGridCodes& KanaGrid(int32_t index);
// The kbox item of a grid ("Punctuation" ... "Katakana").
[[nodiscard]] const char* KanaGridName(int32_t index);

struct KanaCell {
    int32_t column = 0;
    int32_t row = 0;
};

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The cell under a point of fGrid (x div 24, y div 24), none outside the 16 x 6 cells.
[[nodiscard]] std::optional<KanaCell> KanaCellAt(int32_t x, int32_t y);
// Where a cell's character is drawn inside fGrid.
[[nodiscard]] PixelPoint KanaGlyphPosition(KanaCell cell);
// Where the highlight ClickMe2 goes over a hovered cell, in the dialog.
[[nodiscard]] PixelPoint KanaHighlightPosition(KanaCell cell);
// The code of a cell (row and column kept inside the grid).
[[nodiscard]] uint16_t KanaCellCode(int32_t grid, KanaCell cell);
// The two Shift-JIS bytes of a code, lead byte first.
[[nodiscard]] std::string KanaCodeBytes(uint16_t code);

// A click on the hovered cell: its two bytes, to be inserted at FindBox's caret, when
// the active table has an entry with exactly that text and FindBox's boxBytes + 2
// stay below 32 (so a kana text holds at most 15 characters); else nothing.
[[nodiscard]] std::optional<std::string> KanaCellInsertion(const TableData& table, int32_t grid,
                                                           std::optional<KanaCell> hovered, std::size_t boxBytes);

}  // namespace zarvo
