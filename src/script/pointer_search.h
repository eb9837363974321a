#pragma once
// Finding the pointers to a place: every offset of a file whose bytes, read as a
// pointer of a form, name that place.

#include "script/pointer_form.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zarvo {

struct PointerHit {
    int64_t place = 0;
    PointerForm form;
};

// The forms a pointer usually has: LINEAR 16, 24 and 32-bit with the offset given,
// LOROM00, LOROM80 and HIROM 24-bit, GB 16-bit and GBA 32-bit, little-endian, and
// big-endian too when asked.
[[nodiscard]] std::vector<PointerForm> EveryPointerForm(int64_t offset, int64_t header, bool bothByteOrders);

// Every place (a multiple of align) holding a pointer to target in one of the forms,
// by place, then in the order of the forms.
[[nodiscard]] std::vector<PointerHit> FindPointers(std::span<const uint8_t> file, int64_t target,
                                                   std::span<const PointerForm> forms, int64_t align = 1);

// "[$%08X] LOROM00 24-bit": a hit as the Data List and zarvo-tool show it.
[[nodiscard]] std::string PointerHitLine(const PointerHit& hit);

}  // namespace zarvo
