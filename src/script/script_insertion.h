#pragma once
// Putting a translated script back into a ROM: its text through its tables, each
// string where the last #JMP puts it, and every pointer the script asks for rewritten.
// The whole file is made anew in memory; nothing is kept unless the whole script went
// in. Refused, with the script's name, the line and what is wrong: an unknown command
// or a wrong argument, text no token covers (a character by its code point), a string
// whose bytes would read back as another text, a pointer place outside the file, a
// value that does not fit its pointer, an embedded pointer whose place or target never
// comes, and blocks that need more room than they have (every block is listed).

#include "script/script_table.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

struct ScriptBlock {
    int64_t start = 0;
    int64_t last = 0;   // the last byte the block may use
    int64_t used = 0;   // bytes its text needs
    int pointers = 0;   // pointers written while it was the current block

    [[nodiscard]] int64_t room() const { return last - start + 1; }
    [[nodiscard]] bool overflows() const { return used > room(); }
};

// Reads the table file at path (as the script names it, found beside the script or
// in the current folder) into a script table; nothing, with the reason, when it
// cannot be read.
using ScriptTableReader = std::function<std::optional<ScriptTable>(const std::string& path, std::string& reason)>;

struct ScriptInsertion {
    std::string error;  // "script.txt:12: ..."; empty when the script went in
    std::vector<ScriptBlock> blocks;
    int pointers = 0;
    std::vector<uint8_t> result;  // the whole file afterwards, when error is empty
};

[[nodiscard]] ScriptInsertion InsertScript(std::span<const uint8_t> file, std::string_view script,
                                           const std::string& scriptName, const ScriptTableReader& readTable);

// One line per block: its range, the bytes used and free, the pointers written.
[[nodiscard]] std::string InsertionReport(const ScriptInsertion& insertion);

}  // namespace zarvo
