#pragma once
// Expanding the escapes and variables of a directive text (.code, .dual,
// .multicode, .startdump, .enddump) as the text dump writes it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

// An expanded text holds at most this many characters (the dump's 65,536-byte text
// buffer with its terminator); longer expansions are cut there.
inline constexpr std::size_t kExpandedTextLimit = 65535;

// The values the variables stand for during one dump.
struct DumpContext {
    int64_t start = 0;           // %startofs, and the base of %offset
    int64_t end = 0;             // %endofs: the end as typed, before the range was cut
    int64_t size = 0;            // %dumpsize: the bytes dumped
    std::string_view romName;    // %romname: the document's path
    std::string_view tableName;  // %tblname: the active table's path, empty for the ASCII table
};

// Copies text, replacing "\n" (line feed), "\t" (tab), "%offset" (start + position,
// 8 hexadecimal digits), "%dumpsize" (with thousands commas), "%romname",
// "%tblname", "%startofs" and "%endofs" (8 digits), each in any letter case, tried
// in that order where they begin. The text itself is never a format.
[[nodiscard]] std::string CodeToText(std::string_view text, const DumpContext& context, int64_t position);

// True when the expansion of text changes with the position ("%offset" in it).
[[nodiscard]] bool DependsOnPosition(std::string_view text);

// n in decimal with ',' between groups of three digits: 1234567 gives 1,234,567.
[[nodiscard]] std::string NumberWithCommas(int64_t n);

}  // namespace zarvo
