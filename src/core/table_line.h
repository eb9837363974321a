#pragma once
// One piece of a table file: which kind of line it is, and how its keys read.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zarvo {

enum class TableLineKind {
    Ignored,      // blank lines, free text, keys longer than four digits
    Marker,       // '/XX' line code, '*XX' or '\XX' end code
    SingleEntry,  // XX=text
    Bookmark,     // (OFFSETh)name
    DumpLabel,    // [FIRST-LAST]name
    Directive,    // .name ...
    PairEntry,    // XXXX=text
};

// The first rule that matches, in the loader's order: markers, single entries,
// bookmarks, dump labels, directives, two-byte entries.
[[nodiscard]] TableLineKind ClassifyTableLine(std::string_view line);

// A marker's value: leading blanks skipped, hexadecimal digits in either case read up
// to the first other character, from at most the given characters. Without a digit
// ("// a comment", "/") or with a minus sign there is no value.
[[nodiscard]] std::optional<uint32_t> ParseMarkerValue(std::string_view digits);

// The key of an entry line: every character a hexadecimal digit, in either case.
// Anything else ("ZZ", "G0", "4g", " 5", "-1") is no key, and its line defines nothing.
[[nodiscard]] std::optional<uint32_t> ParseEntryKey(std::string_view digits);

}  // namespace zarvo
