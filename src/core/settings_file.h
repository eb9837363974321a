#pragma once
// The settings file "zv32ex.ini": three display settings and the view font, five
// lines taken by position, each a word (never checked) and a value:
//   CursorType 1 / RowType    1 / SpacedHex  1 / FontSize   12 / FontName   Courier_New
// Blanks in the face name are written as '_' and read back as blanks. The script
// commands' lines follow, each found by its word, so that a reader of the first five
// lines alone takes the file as it always did:
//   ScriptTables 0 / PointerForm LINEAR / PointerBits 16 / PointerOffset -A000 /
//   PointerHeader 0 / BigEndian 0 / PointerStep 0 / EveryForm 1
// (offset and header in hexadecimal). A missing line or a bad value keeps its default.

#include "core/document_file.h"
#include "core/session.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvo {

inline constexpr const char* kSettingsFileName = "zv32ex.ini";
inline constexpr std::size_t kSettingsLineLength = 128;  // longer lines go on as the next one
inline constexpr int kMinFontPointSize = 1;
inline constexpr int kMaxFontPointSize = 256;
inline constexpr std::size_t kMaxFaceNameLength = 64;  // bytes

// The view font as plain data; the window turns it into its font and back.
struct ViewFontSetting {
    int pointSize = 12;
    std::string faceName;
};

struct StoredSettings {
    DisplaySettings display;
    ViewFontSetting font;
    bool atlasTables = false;
    PointerSettings pointers;
};

// The settings in content, starting from defaults. Reading stops at the first
// missing line; a value that is no number, a font size outside 1 .. 256 and a
// face name that is empty, longer than 64 bytes or holds control characters keep
// their defaults.
[[nodiscard]] StoredSettings ParseSettingsText(std::string_view content, const StoredSettings& defaults);
// The same from the file at path; a missing or unreadable file gives the defaults.
[[nodiscard]] StoredSettings ReadSettingsFile(const std::string& path, const StoredSettings& defaults);

// The lines of the file.
[[nodiscard]] std::string SettingsFileText(const StoredSettings& settings);
// Writes the file through a temporary file beside it, so a failure leaves the old one.
[[nodiscard]] SaveError WriteSettingsFile(const std::string& path, const StoredSettings& settings);

struct SettingsUpdate {
    SaveError error = SaveError::None;
    const char* message = nullptr;  // to be shown, or null
};

// "Update Config File...", also run at every exit: writes the file and tells what
// to show: "Error: Could not save settings." on failure, "Config File Updated!" on
// success while the program is running (applicationReady), nothing at shut-down.
[[nodiscard]] SettingsUpdate UpdateConfigurationFile(const std::string& path, const StoredSettings& settings,
                                                     bool applicationReady);

}  // namespace zarvo
