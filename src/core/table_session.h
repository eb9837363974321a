#pragma once
// Bookmarks and dump labels of the table most recently loaded into any document.
// They are program-wide: the Goto dialog and Dump From List read them.

#include <cstddef>
#include <string>
#include <vector>

namespace zarvo {

inline constexpr std::size_t kMaxDumpLabels = 128;

struct TableSession {
    std::vector<std::string> jumpList;    // "name->[OFFSET]" per bookmark line
    std::vector<std::string> dumpLabels;  // whole dump-label lines, at most kMaxDumpLabels

    [[nodiscard]] unsigned dumpLabelCount() const { return static_cast<unsigned>(dumpLabels.size()); }
};

}  // namespace zarvo
