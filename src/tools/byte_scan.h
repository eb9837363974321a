#pragma once
// Scans two byte sequences side by side for the next place where they start to
// differ or start to agree again, eight bytes at a time. The patch maker and the
// file compare spend nearly all their time here.

#include <cstddef>
#include <cstdint>

namespace zarvo {

// The first position in [from, end) where a and b hold different bytes; end when
// they agree on the whole range.
[[nodiscard]] std::size_t NextDifference(const uint8_t* a, const uint8_t* b, std::size_t from, std::size_t end);

// The first position in [from, end) where a and b hold the same byte; end when they
// differ on the whole range.
[[nodiscard]] std::size_t NextAgreement(const uint8_t* a, const uint8_t* b, std::size_t from, std::size_t end);

}  // namespace zarvo
