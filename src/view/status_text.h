#pragma once
// The texts of the five value panels of the status bar.

#include <array>
#include <cstdint>
#include <string>

namespace zarvo {

inline constexpr int kStatusPanels = 6;
inline constexpr std::array<int, kStatusPanels> kStatusPanelWidths = {65, 80, 90, 145, 150, 200};
inline constexpr std::array<const char*, kStatusPanels> kInitialStatusTexts = {"Decimal: 000",
                                                                               "Hexdecimal: 00",
                                                                               "Binary: 00000000",
                                                                               "Decimal Offset: 0000000000",
                                                                               "Hexdecimal Offset: 00000000",
                                                                               ""};

// "Decimal: v", "Hexdecimal: XX", "Binary: bbbbbbbb", "Decimal Offset: n", "Hexdecimal Ofset: XXXXXXXX".
[[nodiscard]] std::array<std::string, 5> StatusTexts(uint8_t value, int32_t cursorOffset);

}  // namespace zarvo
