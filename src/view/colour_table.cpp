#include "view/colour_table.h"

namespace zarvo {

ColorTable LoadColors()
{
    ColorTable table{};  // every slot (0, 0); slots 16 .. 19 stay so
    table[kSlotOffset] = {kWhite, kBlack};
    table[kSlotHexEven] = {kWhite, kBlack};
    table[kSlotHexOdd] = {kTeal, kBlack};  // only its text colour is drawn
    table[kSlotTextSingle] = {kTeal, kBlack};
    table[kSlotOffsetCursorRow] = {kWhite, kGrey};
    table[kSlotHexCursor] = {kWhite, kGrey};
    table[kSlotTextSingleCursor] = {kTeal, kGrey};
    table[kSlotTextTwoChar] = {kRed, kBlack};
    table[kSlotTextOther] = {kYellow, kBlack};
    table[kSlotTextPair] = {kWhite, kBlack};
    table[kSlotTextTwoCharCursor] = {kRed, kGrey};
    table[kSlotTextOtherCursor] = {kYellow, kGrey};
    table[kSlotTextPairCursor] = {kWhite, kGrey};
    table[kSlotHexChanged] = {kOrange, kBlack};  // only its text colour is drawn
    // White on navy: apart from the cursor's grey, and every digit stays readable.
    table[kSlotSelection] = {kWhite, kNavy};
    table[kSlotPastFileEnd] = {kDarkGrey, kBlack};  // only its text colour is drawn
    return table;
}

}  // namespace zarvo
