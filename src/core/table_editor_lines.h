#pragma once
// The table editor's lines. The list window shows them; every change (an entry added,
// a line placed over, removed or swapped, a sort, a file opened) is made here, and
// saving writes them as they are. Lines are byte strings in the table file's own
// encoding, without line ends; rows count from 0.

#include <string>
#include <vector>

namespace zarvo {

class TableEditorLines {
public:
    [[nodiscard]] const std::vector<std::string>& lines() const { return lines_; }
    [[nodiscard]] int count() const { return static_cast<int>(lines_.size()); }
    [[nodiscard]] bool contains(int row) const { return row >= 0 && row < count(); }

    void assign(std::vector<std::string> lines) { lines_ = std::move(lines); }
    // Appends line; returns its row.
    int add(std::string line);
    // Each is false, changing nothing, for a row that is not there; swap also for two
    // equal rows.
    bool replace(int row, std::string line);
    bool remove(int row);
    bool swap(int from, int to);
    // Sorts once, as SortTableLines does.
    void sort();

private:
    std::vector<std::string> lines_;
};

}  // namespace zarvo
