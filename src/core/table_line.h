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

// A key or marker value: leading blanks skipped, hexadecimal digits in either case
// read up to the first other character, no digits = 0. A minus sign has no slot:
// nothing is returned. Digits are read from at most the given characters.
[[nodiscard]] std::optional<uint32_t> ParseHexKey(std::string_view digits);

}  // namespace zarvo
