#pragma once
// Hexadecimal numbers on zarvo-tool's command line. The editor's boxes read up to the
// first character that is not a digit; a script's word is read whole instead, so that
// "0x1000", "1G" or "-1" is a wrong usage rather than an offset of 0 or 1.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo::cli {

// How large an option's number may be, and why, for the message of one that is larger.
struct HexLimit {
    uint32_t largest;
    const char* why;  // "offsets go up to 7FFFFFFF"
};

// The offsets the view and the tile sheet start at.
inline constexpr HexLimit kOffsetLimit{0x7FFFFFFF, "offsets go up to 7FFFFFFF"};
// The offsets and values the dump dialog's boxes hold (eight digits).
inline constexpr HexLimit kBoxLimit{0xFFFFFFFF, "the dialog's boxes hold at most FFFFFFFF"};

// word as a number: one or more hexadecimal digits (either case) and nothing else, no
// sign, no prefix, no blanks. Nothing, with the reason naming option in error, when the
// word holds anything else or stands for more than limit.largest.
[[nodiscard]] std::optional<uint32_t> ParseHexArgument(std::string_view option, std::string_view word,
                                                       const HexLimit& limit, std::string& error);

// True when text holds only what a hexadecimal search pattern may hold: digits, '*'
// and blanks (spaces, tabs) between byte pairs.
[[nodiscard]] bool IsHexPatternText(std::string_view text);

}  // namespace zarvo::cli
