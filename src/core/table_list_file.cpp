#include "core/table_list_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zarvo {

std::vector<std::string> SplitTableFileLines(std::string_view content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = next;
    }
    return lines;
}

std::string TableFileContent(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    std::string content;
    content.reserve(size);
    for (const std::string& line : lines) {
        content += line;
        content += '\n';
    }
    return content;
}

std::optional<std::vector<std::string>> ReadTableListFile(const std::string& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return SplitTableFileLines(content);
}

SaveError WriteTableListFile(const std::string& path, const std::vector<std::string>& lines)
{
    if (path.empty()) return SaveError::CannotCreate;
    const std::string content = TableFileContent(lines);
    return WriteFileReplacing(path, reinterpret_cast<const uint8_t*>(content.data()), content.size());
}

}  // namespace zarvo
