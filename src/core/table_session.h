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
    std::vector<std::string> dumpLabels;  // whole dump-label lines, at most dumpLabelLimit
    // The editor's list holds kMaxDumpLabels; the command-line tool dumps every label.
    std::size_t dumpLabelLimit = kMaxDumpLabels;
    std::size_t dumpLabelsInTable = 0;  // dump-label lines of the table, kept or not

    [[nodiscard]] unsigned dumpLabelCount() const { return static_cast<unsigned>(dumpLabels.size()); }
};

}  // namespace zarvo
