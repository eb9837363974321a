#include "core/settings_file.h"

#include "core/hex_text.h"
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
// The script commands' lines after them, and room for as many more.
constexpr int kKeywordLines = 16;
// Enough for every line of the longest length with its line end.
constexpr std::size_t kSettingsReadLimit = (kSettingsLines + kKeywordLines) * (kSettingsLineLength + 2);
constexpr int64_t kLargestPointerNumber = 0x7FFFFFFF;

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

// The blank-separated word number `index` of a line, counted from 0.
[[nodiscard]] std::string_view Word(std::string_view line, int index)
{
    std::size_t at = 0;
    for (int word = 0; word <= index; ++word) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        const std::size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) ++at;
        if (word == index) return line.substr(start, at - start);
    }
    return {};
}

// The second word of a line (the first one is a key nobody checks in the first five).
[[nodiscard]] std::string_view ValueWord(std::string_view line) { return Word(line, 1); }

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

// A whole word of hexadecimal digits, "-" in front when negative may be, up to 7FFFFFFF.
[[nodiscard]] std::optional<int64_t> HexWord(std::string_view word, bool negativeMay)
{
    const bool negative = negativeMay && word.starts_with('-');
    if (negative) word.remove_prefix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (error != std::errc{} || end != word.data() + word.size() || word.empty() || word.front() == '-' ||
        value > kLargestPointerNumber) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// A whole decimal word from low to high.
[[nodiscard]] std::optional<int32_t> DecimalWord(std::string_view word, int32_t low, int32_t high)
{
    int32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < low || value > high) return std::nullopt;
    return value;
}

[[nodiscard]] bool IsMachineName(std::string_view word)
{
    for (const char* name : {"LINEAR", "LOROM00", "LOROM80", "HIROM", "GB", "GBA"}) {
        if (word == name) return true;
    }
    return false;
}

// One line of the script commands' settings; unknown words and bad values change nothing.
void ReadKeywordLine(std::string_view line, StoredSettings& settings)
{
    const std::string_view key = Word(line, 0);
    const std::string_view word = Word(line, 1);
    PointerSettings& pointers = settings.pointers;
    const auto setSwitch = [&word](bool& into) {
        if (word == "0" || word == "1") into = word == "1";
    };
    if (key == "ScriptTables") {
        setSwitch(settings.atlasTables);
    } else if (key == "PointerForm") {
        if (IsMachineName(word)) pointers.machine = std::string(word);
    } else if (key == "PointerBits") {
        if (word == "16" || word == "24" || word == "32") pointers.bits = word == "16" ? 16 : word == "24" ? 24 : 32;
    } else if (key == "PointerOffset") {
        if (const auto offset = HexWord(word, true)) pointers.offset = *offset;
    } else if (key == "PointerHeader") {
        if (const auto header = HexWord(word, false)) pointers.header = *header;
    } else if (key == "BigEndian") {
        setSwitch(pointers.bigEndian);
    } else if (key == "PointerStep") {
        if (const auto step = DecimalWord(word, 0, kMaxPointerStep)) pointers.step = *step;
    } else if (key == "EveryForm") {
        setSwitch(pointers.everyForm);
    }
}

}  // namespace

StoredSettings ParseSettingsText(std::string_view content, const StoredSettings& defaults)
{
    StoredSettings settings = defaults;
    bool* const switches[] = {&settings.display.blinkCursor, &settings.display.autoSizeRows,
                              &settings.display.spacedHex};
    const std::vector<std::string_view> lines = SettingsLines(content, kSettingsLines + kKeywordLines);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index >= static_cast<std::size_t>(kSettingsLines)) {
            ReadKeywordLine(lines[index], settings);
            continue;
        }
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
    const PointerSettings& pointers = settings.pointers;
    char script[256];
    std::snprintf(script, sizeof script,
                  "ScriptTables  %d\nPointerForm   %s\nPointerBits   %d\nPointerOffset %s\nPointerHeader %llX\n"
                  "BigEndian     %d\nPointerStep   %d\nEveryForm     %d\n",
                  settings.atlasTables ? 1 : 0, IsMachineName(pointers.machine) ? pointers.machine.c_str() : "LINEAR",
                  pointers.bits, FormatSignedHex(pointers.offset).c_str(),
                  static_cast<unsigned long long>(pointers.header), pointers.bigEndian ? 1 : 0, pointers.step,
                  pointers.everyForm ? 1 : 0);
    return std::string(numbers) + "FontName   " + face + "\n" + script;
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
