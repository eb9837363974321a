#pragma once
// The colours of the hex view, as 0x00BBGGRR values (text colour, background) per slot.

#include <array>
#include <cstdint>

namespace zarvo {

using ColourRef = uint32_t;  // 0x00BBGGRR

inline constexpr ColourRef kWhite = 0xFFFFFF;
inline constexpr ColourRef kBlack = 0x000000;
inline constexpr ColourRef kTeal = 0x808000;
inline constexpr ColourRef kGrey = 0x808080;
inline constexpr ColourRef kRed = 0x0000FF;
inline constexpr ColourRef kYellow = 0x00FFFF;
inline constexpr ColourRef kOrange = 0x0080FF;
inline constexpr ColourRef kNavy = 0x800000;
inline constexpr ColourRef kDarkGrey = 0x505050;

struct ColourPair {
    ColourRef text = 0;
    ColourRef back = 0;
};

enum ColourSlot : int {
    kSlotOffset = 0,
    kSlotHexEven = 1,
    kSlotHexOdd = 2,
    kSlotTextSingle = 3,
    kSlotOffsetCursorRow = 4,
    kSlotHexCursor = 5,
    kSlotTextSingleCursor = 6,
    kSlotTextTwoChar = 7,
    kSlotTextOther = 8,
    kSlotTextPair = 9,
    kSlotTextTwoCharCursor = 10,
    kSlotTextOtherCursor = 11,
    kSlotTextPairCursor = 12,
    kSlotHexChanged = 13,  // a byte changed since the document was last saved
    // Hexadecimal and text cells of selected bytes (the cursor cell keeps its own).
    kSlotSelection = 14,
    // Text colour of bytes past the file's own end, which a small file's view buffer
    // holds up to its 65,535 bytes: dimmed, so the end of the file shows.
    kSlotPastFileEnd = 15,
};

inline constexpr int kColourSlots = 20;
inline constexpr ColourRef kLineMarkColour = kWhite;
inline constexpr ColourRef kEndMarkColour = kYellow;

using ColorTable = std::array<ColourPair, kColourSlots>;

// Every slot (0, 0), then the thirteen slots of the view and the selection's filled.
[[nodiscard]] ColorTable LoadColors();

}  // namespace zarvo
