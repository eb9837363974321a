#include "core/settings_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <random>

namespace zarvo {
namespace {

using testing::TempFolder;

const StoredSettings kDefaults{{true, true, true}, {12, "Courier New"}};

// "BRS size face": blink, row sizing and spaced hex as 1/0, then the font.
std::string Describe(const StoredSettings& s)
{
    return std::to_string(s.display.blinkCursor) + std::to_string(s.display.autoSizeRows) +
           std::to_string(s.display.spacedHex) + " " + std::to_string(s.font.pointSize) + " " + s.font.faceName;
}

TEST(SettingsFile, LinesAreTakenByPositionAndBadValuesKeepTheDefaults)
{
    const std::string longFace(65, 'F');
    const std::pair<std::string, std::string> cases[] = {
        {"CursorType 0\nRowType    0\nSpacedHex  0\nFontSize   9\nFontName   Lucida_Sans_Typewriter\n",
         "000 9 Lucida Sans Typewriter"},
        {"CursorType 0\nRowType 0\n", "001 12 Courier New"},  // two lines only
        {"Blinking 0\n", "011 12 Courier New"},               // any first word
        {"a 7\nb -1\nc 0\n", "110 12 Courier New"},
        {"a 0\r\nb 1\r\nc 0\r\nd 20\r\ne Courier_New\r\n", "010 20 Courier New"},
        {"x 1\ny 1\nz 1\nw 10\nv Fixedsys", "111 10 Fixedsys"},  // no line end at the end
        {"", "111 12 Courier New"},
        {"CursorType off\nRowType 0\n", "101 12 Courier New"},
        {"CursorType\nRowType 0\n", "101 12 Courier New"},
        {std::string("a 0\nb 1\0 0\nc 0\n", 15), "010 12 Courier New"},  // a zero byte ends a line's text
        {"a 1\nb 1\nc 1\nFontSize 0\nFontName Arial\n", "111 12 Arial"},
        {"a 1\nb 1\nc 1\nFontSize 100000\n", "111 12 Courier New"},
        {"a 1\nb 1\nc 1\nFontSize 99999999999999999999\n", "111 12 Courier New"},
        {"a 1\nb 1\nc 1\nFontSize 256\n", "111 256 Courier New"},
        {"a 1\nb 1\nc 1\nd 14\nFontName\n", "111 14 Courier New"},
        {"a 1\nb 1\nc 1\nd 14\nFontName Bad\x01Z\n", "111 14 Courier New"},
        {"a 1\nb 1\nc 1\nd 14\nFontName " + longFace + "\n", "111 14 Courier New"},
        {"a 1\nb 1\nc 1\nd 14\nFontName " + longFace.substr(1) + "\n", "111 14 " + longFace.substr(1)},
        {"a 1\nb 1\nc 1\nd 14\nFontName IPA\xE3\x82\xB4\n", "111 14 IPA\xE3\x82\xB4"},
        // Lines are read 128 characters at a time: the rest of a longer one is the next line.
        {"CursorType 0 " + std::string(115, 'x') + " 0\nRowType 0\n", "010 12 Courier New"},
    };
    for (const auto& [content, expected] : cases) {
        EXPECT_EQ(Describe(ParseSettingsText(content, kDefaults)), expected) << content;
    }
}

TEST(SettingsFile, GarbageNeverGivesAnUnusableFont)
{
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        std::string content(random() % 2000, '\0');
        for (char& c : content) c = static_cast<char>(random() % 256);
        if (round % 4 == 0) content = "a 1\nb 1\nc 1\nFontSize " + content;
        const StoredSettings read = ParseSettingsText(content, kDefaults);
        EXPECT_GE(read.font.pointSize, kMinFontPointSize);
        EXPECT_LE(read.font.pointSize, kMaxFontPointSize);
        EXPECT_FALSE(read.font.faceName.empty());
        EXPECT_LE(read.font.faceName.size(), kMaxFaceNameLength);
        for (char c : read.font.faceName) EXPECT_GE(static_cast<unsigned char>(c), 0x20u);
    }
}

TEST(SettingsFile, IsWrittenAsFiveFixedLinesAndReadBackOrDefaulted)
{
    TempFolder folder;
    const std::string path = folder.file(kSettingsFileName);
    const StoredSettings settings{{true, false, true}, {14, "Courier New"}};
    ASSERT_EQ(WriteSettingsFile(path, settings), SaveError::None);
    EXPECT_EQ(testing::ReadText(path),
              "CursorType 1\nRowType    0\nSpacedHex  1\nFontSize   14\nFontName   Courier_New\n");
    EXPECT_EQ(Describe(ReadSettingsFile(path, kDefaults)), "101 14 Courier New");

    const StoredSettings others{{false, true, false}, {72, "Odd\tFace\nName"}};
    ASSERT_EQ(WriteSettingsFile(path, others), SaveError::None);
    EXPECT_EQ(Describe(ReadSettingsFile(path, kDefaults)), "010 72 Odd Face Name");
    // A missing or unreadable file gives the defaults.
    EXPECT_EQ(Describe(ReadSettingsFile(folder.file("absent.ini"), kDefaults)), "111 12 Courier New");
    EXPECT_EQ(Describe(ReadSettingsFile(folder.path().string(), kDefaults)), "111 12 Courier New");
}

TEST(SettingsFile, UpdateTellsWhatToShow)
{
    TempFolder folder;
    const std::string path = folder.file(kSettingsFileName);
    EXPECT_STREQ(UpdateConfigurationFile(path, kDefaults, true).message, "Config File Updated!");
    EXPECT_EQ(UpdateConfigurationFile(path, kDefaults, false).message, nullptr);  // shutting down
    // A folder that cannot be written (tests may run as root): one that does not exist.
    for (bool ready : {true, false}) {
        const SettingsUpdate failed = UpdateConfigurationFile(folder.file("gone/zv32ex.ini"), kDefaults, ready);
        EXPECT_NE(failed.error, SaveError::None);
        EXPECT_STREQ(failed.message, "Error: Could not save settings.");
    }
}

}  // namespace
}  // namespace zarvo
