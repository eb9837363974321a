#include "core/settings_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <random>

namespace zarvo {
namespace {

using testing::TempFolder;

const StoredSettings kDefaults{{true, true, true}, {12, "Courier New"}, false, {}};

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
    const StoredSettings settings{{true, false, true}, {14, "Courier New"}, false, {}};
    ASSERT_EQ(WriteSettingsFile(path, settings), SaveError::None);
    // The five lines come first, as a reader of them alone expects.
    EXPECT_TRUE(testing::ReadText(path).starts_with(
        "CursorType 1\nRowType    0\nSpacedHex  1\nFontSize   14\nFontName   Courier_New\n"));
    EXPECT_EQ(Describe(ReadSettingsFile(path, kDefaults)), "101 14 Courier New");

    const StoredSettings others{{false, true, false}, {72, "Odd\tFace\nName"}, false, {}};
    ASSERT_EQ(WriteSettingsFile(path, others), SaveError::None);
    EXPECT_EQ(Describe(ReadSettingsFile(path, kDefaults)), "010 72 Odd Face Name");
    // A missing or unreadable file gives the defaults.
    EXPECT_EQ(Describe(ReadSettingsFile(folder.file("absent.ini"), kDefaults)), "111 12 Courier New");
    EXPECT_EQ(Describe(ReadSettingsFile(folder.path().string(), kDefaults)), "111 12 Courier New");
}

// "atlas machine bits offset header bigEndian step everyForm" of the script commands.
std::string DescribeScript(const StoredSettings& s)
{
    const PointerSettings& p = s.pointers;
    return std::to_string(s.atlasTables) + " " + p.machine + " " + std::to_string(p.bits) + " " +
           std::to_string(p.offset) + " " + std::to_string(p.header) + " " + std::to_string(p.bigEndian) + " " +
           std::to_string(p.step) + " " + std::to_string(p.everyForm);
}

TEST(SettingsFile, ScriptLinesFollowTheFiveByTheirWords)
{
    const std::string five = "a 0\nb 0\nc 0\nd 9\ne Arial\n";
    const std::pair<std::string, std::string> cases[] = {
        {five, "0 LINEAR 16 0 0 0 0 1"},  // a file of the old layout
        {five + "ScriptTables 1\nPointerForm LOROM80\nPointerBits 24\nPointerOffset -A000\nPointerHeader 200\n"
                "BigEndian 1\nPointerStep 4\nEveryForm 0\n",
         "1 LOROM80 24 -40960 512 1 4 0"},
        {five + "EveryForm 0\nPointerBits 32\n", "0 LINEAR 32 0 0 0 0 0"},  // any order
        {five + "PointerForm SNES\nPointerBits 8\nPointerOffset -\nPointerHeader -10\nPointerStep x\n"
                "ScriptTables 2\nUnknown 1\n",
         "0 LINEAR 16 0 0 0 0 1"},
        {five + "PointerOffset 80000000\nPointerStep 2000000\n", "0 LINEAR 16 0 0 0 0 1"},  // too large
        {"ScriptTables 1\n", "0 LINEAR 16 0 0 0 0 1"},  // the first five lines are taken by position
    };
    for (const auto& [content, expected] : cases) {
        EXPECT_EQ(DescribeScript(ParseSettingsText(content, kDefaults)), expected) << content;
    }
}

TEST(SettingsFile, ScriptLinesReadBackAsWritten)
{
    TempFolder folder;
    const std::string path = folder.file(kSettingsFileName);
    for (const PointerSettings& pointers : {PointerSettings{"GBA", 32, -0x8000000, 0, true, 8, false},
                                            PointerSettings{"HIROM", 24, 0x7FFFFFFF, 0x200, false, 0, true}}) {
        StoredSettings settings = kDefaults;
        settings.atlasTables = pointers.bigEndian;
        settings.pointers = pointers;
        ASSERT_EQ(WriteSettingsFile(path, settings), SaveError::None);
        EXPECT_EQ(DescribeScript(ReadSettingsFile(path, kDefaults)), DescribeScript(settings));
        EXPECT_EQ(Describe(ReadSettingsFile(path, kDefaults)), "111 12 Courier New");
    }
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
