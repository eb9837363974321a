#pragma once
// The files opened last, newest first, kept in a file of their own beside the
// settings file: one path a line.

#include "core/output_file.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zarvo {

inline constexpr std::size_t kRecentFileCount = 8;

// The list with path in front, without repeats, at most kRecentFileCount long. A path
// holding a line break cannot be kept and leaves the list as it was.
[[nodiscard]] std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);
// The list without path.
[[nodiscard]] std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

// The list the file holds (LF or CR LF lines, empty ones skipped, at most
// kRecentFileCount); empty when there is no such file.
[[nodiscard]] std::vector<std::string> ReadRecentFiles(const std::string& listPath);
[[nodiscard]] SaveError WriteRecentFiles(const std::string& listPath, const std::vector<std::string>& list);

// "zv32ex.mru" in the folder of the settings file.
[[nodiscard]] std::string RecentFilesPathBeside(const std::string& settingsPath);

}  // namespace zarvo
