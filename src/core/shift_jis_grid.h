#pragma once
// The Shift-JIS character grid of the table editor: 16 columns by 10 rows of
// two-byte codes (high byte first) starting at the scroll bar's position with its
// low four bits cleared. A picked cell goes into the entry being typed, which takes
// grid characters only while it stays below kGridEntryLimit bytes.

#include "core/cp932.h"

#include <cstdint>
#include <string>

namespace zarvo {

inline constexpr int kGridColumns = 16;
inline constexpr int kGridRows = 10;
inline constexpr int kGridCellPixels = 24;

// The scroll bar that chooses the grid's first code.
inline constexpr int kGridScrollMin = 32768;
inline constexpr int kGridScrollMax = 65376;  // the grid then ends at 0xFFFF
inline constexpr int kGridScrollSmallChange = 16;
inline constexpr int kGridScrollLargeChange = 160;

// First codes of the four character sets.
inline constexpr uint16_t kPunctuationCode = 0x8140;
inline constexpr uint16_t kKanaAsciiCode = 0x8240;  // full-width digits and Latin letters
inline constexpr uint16_t kHiraganaCode = 0x82A0;
inline constexpr uint16_t kKatakanaCode = 0x8340;

inline constexpr uint16_t kFullWidthSpaceCode = 0x8140;
inline constexpr std::size_t kGridEntryLimit = 32;

// The code shown in the grid's top left cell for a scroll position.
[[nodiscard]] uint16_t GridFirstCode(int scrollPosition);
// The code of a cell; column 0..15, row 0..9.
[[nodiscard]] uint16_t GridCellCode(int scrollPosition, int column, int row);

// The character a cell shows: the code's one character, else U+30FB.
[[nodiscard]] char16_t GridCellCharacter(const Cp932Codec& codec, uint16_t code);
// The two bytes a picked cell inserts: the code itself, or the full-width space
// 0x81 0x40 when the code has no character of its own or stands for U+30FB.
[[nodiscard]] std::string GridPickBytes(const Cp932Codec& codec, uint16_t code);
// A picked cell goes in only while the entry's length in bytes plus 2 stays below the limit.
[[nodiscard]] bool GridPickFits(std::size_t entryBytes);

}  // namespace zarvo
