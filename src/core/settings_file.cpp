#include "core/settings_file.h"

#include "core/input_file.h"
#include "core/messages.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace zarvo {

namespace {

constexpr int kSettingsLines = 5;
// Enough for five lines of the longest length with their line ends.
constexpr std::size_t kSettingsReadLimit = kSettingsLines * (kSettingsLineLength + 2);

[[nodiscard]] bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Splits content into lines as a reader with a 128-character line buffer sees them:
// a longer line goes on as the next one. Only the first `count` lines are taken.
[[nodiscard]] std::vector<std::string_view> SettingsLines(std::string_view content, int count)
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (static_cast<int>(lines.size()) < count && at < content.size()) {
        std::size_t end = at;
        while (end < content.size() && content[end] != '\n' && end - at < kSettingsLineLength) ++end;
        std::string_view line = content.substr(at, end - at);
        at = end;
        if (at < content.size() && content[at] == '\n') ++at;
        // A zero byte ends the text of a line as it would end a C string.
        if (const std::size_t zero = line.find('\0'); zero != std::string_view::npos) line = line.substr(0, zero);
        lines.push_back(line);
    }
    return lines;
}

// The second blank-separated word of a line (the first one is a key nobody checks).
[[nodiscard]] std::string_view ValueWord(std::string_view line)
{
    std::size_t at = 0;
    for (int word = 0; word < 2; ++word) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        const std::size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) ++at;
        if (word == 1) return line.substr(start, at - start);
    }
    return {};
}

// The integer at the start of the value word ("12", "-3", "+7", "5px"); none for
// words that begin otherwise or numbers beyond int.
[[nodiscard]] std::optional<int> LeadingInteger(std::string_view word)
{
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end == word.data()) return std::nullopt;
    return value;
}

// The face name of the fifth line: '_' stands for a blank.
[[nodiscard]] std::optional<std::string> FaceNameFrom(std::string_view word)
{
    // Control characters mark a damaged file; other bytes may be a name in UTF-8.
    const bool printable =
        std::none_of(word.begin(), word.end(), [](char c) { return static_cast<uint8_t>(c) < 0x20 || c == 0x7F; });
    if (word.empty() || word.size() > kMaxFaceNameLength || !printable) return std::nullopt;
    std::string face(word);
    for (char& c : face) {
        if (c == '_') c = ' ';
    }
    return face;
}

}  // namespace

StoredSettings ParseSettingsText(std::string_view content, const StoredSettings& defaults)
{
    StoredSettings settings = defaults;
    bool* const switches[] = {&settings.display.blinkCursor, &settings.display.autoSizeRows,
                              &settings.display.spacedHex};
    const std::vector<std::string_view> lines = SettingsLines(content, kSettingsLines);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string_view word = ValueWord(lines[index]);
        if (index < std::size(switches)) {
            if (const std::optional<int> value = LeadingInteger(word)) *switches[index] = *value != 0;
        } else if (index == 3) {
            const std::optional<int> size = LeadingInteger(word);
            if (size && *size >= kMinFontPointSize && *size <= kMaxFontPointSize) settings.font.pointSize = *size;
        } else if (std::optional<std::string> face = FaceNameFrom(word)) {
            settings.font.faceName = std::move(*face);
        }
    }
    return settings;
}

StoredSettings ReadSettingsFile(const std::string& path, const StoredSettings& defaults)
{
    // Anything but a regular file (a folder, a FIFO) reads as no settings file.
    InputFile file(path);
    if (!file.isOpen()) return defaults;
    std::string content(kSettingsReadLimit, '\0');
    const int64_t count = file.readUpTo(reinterpret_cast<uint8_t*>(content.data()), content.size());
    content.resize(static_cast<std::size_t>(std::max<int64_t>(count, 0)));
    return ParseSettingsText(content, defaults);
}

std::string SettingsFileText(const StoredSettings& settings)
{
    std::string face = settings.font.faceName;
    // The name stays one word on its own line.
    for (char& c : face) {
        if (IsBlank(c)) c = '_';
    }
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "CursorType %d\nRowType    %d\nSpacedHex  %d\nFontSize   %d\n",
                  settings.display.blinkCursor ? 1 : 0, settings.display.autoSizeRows ? 1 : 0,
                  settings.display.spacedHex ? 1 : 0, settings.font.pointSize);
    return std::string(numbers) + "FontName   " + face + "\n";
}

SaveError WriteSettingsFile(const std::string& path, const StoredSettings& settings)
{
    const std::string text = SettingsFileText(settings);
    return WriteFileReplacing(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

SettingsUpdate UpdateConfigurationFile(const std::string& path, const StoredSettings& settings, bool applicationReady)
{
    SettingsUpdate update;
    update.error = WriteSettingsFile(path, settings);
    if (update.error != SaveError::None) {
        update.message = messages::kCannotSaveSettings;
    } else if (applicationReady) {
        update.message = messages::kConfigFileUpdated;
    }
    return update;
}

}  // namespace zarvo
