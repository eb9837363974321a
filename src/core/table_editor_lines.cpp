#include "core/table_editor_lines.h"

#include "core/table_list_text.h"

#include <utility>

namespace zarvo {

int TableEditorLines::add(std::string line)
{
    lines_.push_back(std::move(line));
    return count() - 1;
}

bool TableEditorLines::replace(int row, std::string line)
{
    if (!contains(row)) return false;
    lines_[static_cast<std::size_t>(row)] = std::move(line);
    return true;
}

bool TableEditorLines::remove(int row)
{
    if (!contains(row)) return false;
    lines_.erase(lines_.begin() + row);
    return true;
}

bool TableEditorLines::swap(int from, int to)
{
    if (!contains(from) || !contains(to) || from == to) return false;
    std::swap(lines_[static_cast<std::size_t>(from)], lines_[static_cast<std::size_t>(to)]);
    return true;
}

void TableEditorLines::sort() { SortTableLines(lines_); }

}  // namespace zarvo
