#include "core/settings_location.h"

#include "core/settings_file.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace zarvo {

namespace {

[[nodiscard]] bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

SettingsLocation LocateSettings(const std::string& startupFolder, const char* xdgConfigHome, const char* home)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::path(startupFolder) / kSettingsFileName, error)) {
        return {startupFolder, false};
    }
    if (IsAbsolute(xdgConfigHome)) return {std::string(xdgConfigHome) + "/zarvo", true};
    if (IsAbsolute(home)) return {std::string(home) + "/.config/zarvo", true};
    return {startupFolder, false};
}

bool MakeSettingsFolder(const std::string& folder)
{
    if (folder.empty()) return true;
    // Each missing folder from the top down, so that every one made is the user's alone.
    std::filesystem::path made;
    for (const std::filesystem::path& part : std::filesystem::path(folder)) {
        made /= part;
        if (::mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
    }
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

}  // namespace zarvo
