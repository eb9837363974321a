#include "core/table_list_text.h"

#include "core/document_file.h"

#include <algorithm>
#include <cstdio>

namespace zarvo {

namespace {

[[nodiscard]] unsigned char FoldCase(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

[[nodiscard]] bool LessIgnoringCase(const std::string& left, const std::string& right)
{
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char a, char b) { return FoldCase(a) < FoldCase(b); });
}

}  // namespace

std::vector<std::string> AsciiTableLines()
{
    std::vector<std::string> lines;
    for (int byte = 0x20; byte <= 0x7E; ++byte) {
        char line[8] = {};
        std::snprintf(line, sizeof line, "%02X=%c", byte, byte);
        lines.emplace_back(line);
    }
    return lines;
}

void SortTableLines(std::vector<std::string>& lines) { std::stable_sort(lines.begin(), lines.end(), LessIgnoringCase); }

std::string TableEditorCaption(std::string_view editFileName)
{
    return "Table Editor [" + FileNamePart(editFileName) + "]";
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension)
{
    std::string result(path);
    if (FileNamePart(path).find('.') == std::string::npos) {
        result += '.';
        result += extension;
    }
    return result;
}

bool OffersTableReplace(const TableData& table, std::string_view editFileName)
{
    if (table.activeTable != 0 && table.activeTable != 1) return false;
    return !editFileName.empty() && editFileName != table.tableName[static_cast<std::size_t>(table.activeTable)];
}

}  // namespace zarvo
