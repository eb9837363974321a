#include "core/output_file.h"

#include "support/temp_folder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zarvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew = testing::PatternBytes(70000);

SaveError Write(const std::string& path, OutputRule rule, WriteFailure* failure = nullptr)
{
    return WriteOutput(path, rule, kNew.data(), kNew.size(), failure);
}

bool LeftTemporaryFiles(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind(".zarvo-", 0) == 0) return true;
    }
    return false;
}

// Each target is made in a fresh folder; the write goes to `target` there.
struct TargetCase {
    const char* name;
    std::function<void(const TempFolder&)> make;
    OutputRule rule;
    SaveError expected;
    std::string receives;  // the entry of the folder that must then hold the new bytes, or "" for none
    std::string target = "out";
};

TEST(WriteOutput, WritesReplacesOrRefusesByWhatTheTargetIs)
{
    const auto regular = [](const TempFolder& f) { f.write("out", kOld); };
    const auto fifo = [](const TempFolder& f) { f.fifo("out"); };
    const auto folder = [](const TempFolder& f) { fs::create_directory(f.file("out")); };
    const auto link = [](const TempFolder& f) { fs::create_symlink(f.write("real", kOld), f.file("out")); };
    const auto dangling = [](const TempFolder& f) { fs::create_symlink("real", f.file("out")); };
    const auto linkToNull = [](const TempFolder& f) { fs::create_symlink("/dev/null", f.file("out")); };
    const std::string longest(255, 'n');
    const TargetCase cases[] = {
        {"NewFile", [](const TempFolder&) {}, OutputRule::RegularFileOnly, SaveError::None, "out"},
        {"RegularFile", regular, OutputRule::RegularFileOnly, SaveError::None, "out"},
        {"RegularFileByTheTool", regular, OutputRule::StreamsAllowed, SaveError::None, "out"},
        {"LinkIsFollowed", link, OutputRule::RegularFileOnly, SaveError::None, "real"},
        {"DanglingLinkMakesItsTarget", dangling, OutputRule::StreamsAllowed, SaveError::None, "real"},
        {"FolderIsRefused", folder, OutputRule::StreamsAllowed, SaveError::NotRegularFile, ""},
        {"FifoIsRefusedForTheEditor", fifo, OutputRule::RegularFileOnly, SaveError::NotRegularFile, ""},
        {"LinkToADeviceIsRefusedForTheEditor", linkToNull, OutputRule::RegularFileOnly, SaveError::NotRegularFile, ""},
        {"LinkToADeviceIsWrittenByTheTool", linkToNull, OutputRule::StreamsAllowed, SaveError::None, ""},
        {"LongestName", [](const TempFolder&) {}, OutputRule::RegularFileOnly, SaveError::None, longest, longest},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder f;
        c.make(f);
        const auto type = fs::symlink_status(f.file(c.target)).type();
        EXPECT_EQ(Write(f.file(c.target), c.rule), c.expected);
        if (type != fs::file_type::not_found) {
            EXPECT_EQ(fs::symlink_status(f.file(c.target)).type(), type);  // a link stays a link, a FIFO a FIFO
        }
        if (!c.receives.empty()) {
            EXPECT_TRUE(ReadBytes(f.file(c.receives)) == kNew);
        }
        if (c.expected != SaveError::None && type == fs::file_type::regular) {
            EXPECT_EQ(ReadBytes(f.file(c.target)), kOld);
        }
        EXPECT_FALSE(LeftTemporaryFiles(f.path()));
    }
}

// A large write goes in pieces pushed to the disk, telling how far it got.
TEST(WriteFileReplacing, TellsProgressUpToTheWholeFile)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, (std::size_t{1} << 20) + 3}) {
        SCOPED_TRACE(size);
        TempFolder f;
        const std::vector<uint8_t> bytes = testing::PatternBytes(size);
        std::vector<std::size_t> told;
        const auto target = f.file("big.bin");
        ASSERT_EQ(WriteFileReplacing(target, bytes.data(), size,
                                     [&](std::size_t done, std::size_t total) {
                                         EXPECT_EQ(total, size);
                                         told.push_back(done);
                                     }),
                  SaveError::None);
        EXPECT_TRUE(ReadBytes(target) == bytes);
        ASSERT_FALSE(told.empty());
        EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
        EXPECT_EQ(told.back(), size);
        EXPECT_FALSE(LeftTemporaryFiles(f.path()));
    }
}

// A file the user may not write is refused even though the folder would let it be
// replaced. Run as an ordinary user: root may write any file.
TEST(WriteOutput, ReadOnlyTargetIsRefusedAsOpeningItWouldBe)
{
    TempFolder f;
    fs::permissions(f.path(), fs::perms::all);
    const auto readOnly = f.write("ro.bin", kOld);
    fs::permissions(readOnly, fs::perms(0444));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
        WriteFailure failure;
        const bool refused = Write(readOnly, OutputRule::StreamsAllowed, &failure) == SaveError::ReadOnlyTarget &&
                             failure.systemError == EACCES;
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(readOnly), kOld);
    EXPECT_FALSE(LeftTemporaryFiles(f.path()));
}

}  // namespace
}  // namespace zarvo
