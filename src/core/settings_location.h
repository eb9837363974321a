#pragma once
// Where the settings file zv32ex.ini and the list of recent files live. A start-up
// folder that holds zv32ex.ini keeps both, as it always has, so stored files keep
// working. Otherwise they live in the user's configuration folder,
// $XDG_CONFIG_HOME/zarvo (~/.config/zarvo when XDG_CONFIG_HOME is unset), which the
// first write makes: an editor started from a launcher leaves nothing in the home folder.

#include <string>

namespace zarvo {

struct SettingsLocation {
    std::string folder;             // holds zv32ex.ini and zv32ex.mru
    bool madeOnFirstWrite = false;  // the configuration folder, which may not exist yet
};

// xdgConfigHome and home are the environment's values, null when unset. An
// XDG_CONFIG_HOME that is empty or relative counts as unset (it must be absolute);
// with no usable HOME either, the start-up folder keeps the settings.
[[nodiscard]] SettingsLocation LocateSettings(const std::string& startupFolder, const char* xdgConfigHome,
                                              const char* home);

// Makes the folder and the ones above it where they are missing, readable by the user
// alone. True when the folder exists afterwards; an empty name asks for nothing.
[[nodiscard]] bool MakeSettingsFolder(const std::string& folder);

}  // namespace zarvo
