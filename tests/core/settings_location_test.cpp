#include "core/settings_location.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zarvo {
namespace {

using testing::TempFolder;

TEST(SettingsLocation, StartupFolderHoldingTheFileElseTheConfigurationFolder)
{
    TempFolder holding;
    holding.write("zv32ex.ini", "");
    TempFolder empty;
    std::filesystem::create_directory(empty.path() / "zv32ex.ini" / "");  // a folder of that name is no settings file
    const std::string startupHolding = holding.path().string();
    const std::string startupEmpty = empty.path().string();
    struct Case {
        std::string startup;
        const char* xdgConfigHome;
        const char* home;
        SettingsLocation expected;
    };
    const Case cases[] = {
        {startupHolding, "/x/config", "/home/u", {startupHolding, false}},
        {startupHolding, nullptr, nullptr, {startupHolding, false}},
        {startupEmpty, "/x/config", "/home/u", {"/x/config/zarvo", true}},
        {startupEmpty, nullptr, "/home/u", {"/home/u/.config/zarvo", true}},
        {startupEmpty, "", "/home/u", {"/home/u/.config/zarvo", true}},
        {startupEmpty, "config", "/home/u", {"/home/u/.config/zarvo", true}},  // not absolute: unset
        {startupEmpty, nullptr, nullptr, {startupEmpty, false}},
        {startupEmpty, nullptr, "", {startupEmpty, false}},
    };
    for (const Case& c : cases) {
        const SettingsLocation where = LocateSettings(c.startup, c.xdgConfigHome, c.home);
        EXPECT_EQ(where.folder, c.expected.folder) << (c.xdgConfigHome ? c.xdgConfigHome : "(unset)");
        EXPECT_EQ(where.madeOnFirstWrite, c.expected.madeOnFirstWrite) << where.folder;
    }
}

TEST(SettingsLocation, FolderIsMadeForTheUserAloneWhereMissing)
{
    TempFolder folder;
    const std::string made = folder.file("config/zarvo");
    ASSERT_TRUE(MakeSettingsFolder(made));
    for (const std::string& each : {folder.file("config"), made}) {
        struct stat info {};
        ASSERT_EQ(stat(each.c_str(), &info), 0) << each;
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u) << each;
    }
    EXPECT_TRUE(MakeSettingsFolder(made));  // already there
    EXPECT_TRUE(MakeSettingsFolder(""));    // nothing asked
    folder.write("plain", "x");
    EXPECT_FALSE(MakeSettingsFolder(folder.file("plain")));
    EXPECT_FALSE(MakeSettingsFolder(folder.file("plain/zarvo")));
}

}  // namespace
}  // namespace zarvo
