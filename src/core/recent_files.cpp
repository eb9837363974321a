#include "core/recent_files.h"

#include "core/input_file.h"

#include <algorithm>

namespace zarvo {

namespace {

constexpr std::size_t kLargestListFile = 64 * 1024;  // eight paths fit many times over

}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path)
{
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos) return list;
    std::erase(list, path);
    list.insert(list.begin(), path);
    if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
    return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path)
{
    std::erase(list, path);
    return list;
}

std::vector<std::string> ReadRecentFiles(const std::string& listPath)
{
    std::vector<std::string> list;
    const InputBytes input = ReadInputFile(listPath, 0, kLargestListFile);
    if (!input.ok()) return list;
    const std::span<const uint8_t> content = input.content();
    std::string line;
    const auto take = [&] {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool listed = std::find(list.begin(), list.end(), line) != list.end();
        if (!line.empty() && !listed && list.size() < kRecentFileCount) list.push_back(line);
        line.clear();
    };
    for (const uint8_t byte : content) {
        if (byte == '\n') {
            take();
        } else {
            line += static_cast<char>(byte);
        }
    }
    take();
    return list;
}

SaveError WriteRecentFiles(const std::string& listPath, const std::vector<std::string>& list)
{
    std::string text;
    for (const std::string& path : list) text += path + '\n';
    return WriteFileReplacing(listPath, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string RecentFilesPathBeside(const std::string& settingsPath)
{
    const auto slash = settingsPath.rfind('/');
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) + "zv32ex.mru";
}

}  // namespace zarvo
