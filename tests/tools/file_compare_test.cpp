#include "tools/file_compare.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::TempFolder;

std::vector<std::string> Lines(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    return CompareLines(CompareBytes(a, b));
}

TEST(FileCompare, ListsRunsOfDifferingBytes)
{
    const auto base = PatternBytes(0x400);
    struct Case {
        const char* name;
        std::vector<uint8_t> other;
        std::vector<std::string> lines;
    };
    auto oneByte = base;
    oneByte[0x1F] ^= 0xFF;
    auto threeBytes = base;
    for (int i = 0x100; i < 0x103; ++i) threeBytes[i] ^= 1;
    auto twoRuns = base;
    twoRuns[0x10] ^= 1;
    twoRuns[0x12] ^= 1;
    twoRuns[0x13] ^= 1;
    auto atTheEnds = base;
    atTheEnds[0] ^= 1;
    atTheEnds[0x3FF] ^= 1;
    auto longer = base;
    longer.resize(0x800, 0xEE);
    auto shorterWithRunToItsEnd = std::vector<uint8_t>(base.begin(), base.begin() + 0x20);
    for (int i = 0x1E; i < 0x20; ++i) shorterWithRunToItsEnd[i] ^= 1;
    auto wholeRun = base;
    for (auto& b : wholeRun) b ^= 0x80;

    const Case cases[] = {
        {"Identical", base, {"These files match to smallest file length."}},
        {"OneByte", oneByte, {"[0000001F] ;      1 byte  different at location."}},
        {"ThreeBytes", threeBytes, {"[00000100] ;      3 bytes different at location."}},
        {"OneEqualByteSplitsRuns", twoRuns,
         {"[00000010] ;      1 byte  different at location.", "[00000012] ;      2 bytes different at location."}},
        {"FirstAndLastByte", atTheEnds,
         {"[00000000] ;      1 byte  different at location.", "[000003FF] ;      1 byte  different at location."}},
        {"ExtendedCopyMatches", longer, {"These files match to smallest file length."}},
        {"RunStopsAtTheShorterEnd", shorterWithRunToItsEnd, {"[0000001E] ;      2 bytes different at location."}},
        {"EverythingDiffers", wholeRun, {"[00000000] ;   1024 bytes different at location."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(base, c.other), c.lines);
        EXPECT_EQ(Lines(c.other, base), c.lines);
    }
    EXPECT_EQ(Lines({}, base), std::vector<std::string>{"These files match to smallest file length."});
    EXPECT_EQ(CompareLine({0x7FFFFFFF, 1234567}), "[7FFFFFFF] ; 1234567 bytes different at location.");
}

// A run that crosses a progress step is still one run, and progress comes once per step.
TEST(FileCompare, ProgressEveryStepWithoutSplittingRuns)
{
    const std::size_t size = 4 * kCompareProgressStep + 100;
    std::vector<uint8_t> a(size, 0);
    std::vector<uint8_t> b(size, 0);
    for (std::size_t i = kCompareProgressStep - 3; i < kCompareProgressStep + 5; ++i) b[i] = 1;
    b[size - 1] = 1;
    std::vector<int32_t> reports;
    const auto runs = CompareBytes(a, b, [&](int32_t compared, int32_t total) {
        EXPECT_EQ(total, static_cast<int32_t>(size));
        reports.push_back(compared);
    });
    EXPECT_EQ(runs, (std::vector<DifferenceRun>{{kCompareProgressStep - 3, 8}, {static_cast<int32_t>(size - 1), 1}}));
    ASSERT_GE(reports.size(), 4U);
    ASSERT_LE(reports.size(), 6U);
    EXPECT_EQ(reports.back(), static_cast<int32_t>(size));
    for (std::size_t i = 1; i < reports.size(); ++i) EXPECT_GT(reports[i], reports[i - 1]);
}

TEST(FileCompare, CaptionsOfTheWindow)
{
    EXPECT_EQ(CompareResultCaption(0), "Compare Files...Results: 0 difference(s) found.");
    EXPECT_EQ(CompareResultCaption(12345), "Compare Files...Results: 12345 difference(s) found.");
    EXPECT_EQ(CompareProgressCaption(50, 200), "Compare Files...Please Wait. 25%");
}

TEST(FileCompare, JumpTargetOfAListLine)
{
    EXPECT_EQ(CompareJumpTarget("[0000001F] ;      1 byte  different at location.", 0x1000), 0x1F);
    EXPECT_EQ(CompareJumpTarget("[00ABCDEF] ;      1 byte  different at location.", 0x1000000), 0xABCDEF);
    // Past the end of the document: its last byte.
    EXPECT_EQ(CompareJumpTarget("[00002000] ;      1 byte  different at location.", 0x1000), 0xFFF);
    EXPECT_EQ(CompareJumpTarget("[FFFFFFFF] ;      1 byte  different at location.", 0x1000), 0xFFF);
    EXPECT_FALSE(CompareJumpTarget("These files match to smallest file length.", 0x1000).has_value());
    EXPECT_FALSE(CompareJumpTarget("", 0x1000).has_value());
}

TEST(FileCompare, FilesOnDisk)
{
    TempFolder folder;
    auto bytes = PatternBytes(5000);
    const auto first = folder.write("a.bin", bytes);
    bytes[4000] ^= 1;
    const auto second = folder.write("b.bin", bytes);
    const CompareOutcome outcome = CompareFiles(first, second);
    EXPECT_EQ(outcome.error, CompareError::None);
    EXPECT_EQ(outcome.runs, (std::vector<DifferenceRun>{{4000, 1}}));
    const auto empty = folder.write("empty.bin", std::string());
    EXPECT_TRUE(CompareFiles(first, empty).runs.empty());

    EXPECT_EQ(CompareFiles("", second).error, CompareError::MissingName);
    EXPECT_EQ(CompareFiles(first, "").error, CompareError::MissingName);
    EXPECT_EQ(CompareFiles(first, folder.file("missing.bin")).error, CompareError::CannotOpen);
    EXPECT_EQ(CompareFiles(folder.path().string(), second).error, CompareError::CannotOpen);  // a folder
    EXPECT_EQ(std::string(CompareErrorText(CompareError::CannotOpen)), "Fatal Error: Could not open A file...");
}

TEST(FileCompare, RunsCrossingThePiecesReadFromDisk)
{
    TempFolder folder;
    const std::size_t size = 5 * kCompareProgressStep + 7;
    std::vector<uint8_t> a = PatternBytes(size);
    std::vector<uint8_t> b = a;
    // Runs across each 64 KiB boundary, one over a whole 64 KiB piece, one to the end.
    for (std::size_t boundary = 0x10000; boundary < size; boundary += 0x10000) {
        for (std::size_t i = boundary - 2; i < boundary + 3; ++i) b[i] ^= 0x40;
    }
    for (std::size_t i = 0x2FFF0; i < 0x40010; ++i) b[i] ^= 0x01;
    for (std::size_t i = size - 2; i < size; ++i) b[i] ^= 0x01;
    const auto first = folder.write("a.bin", a);
    b.resize(size + 100, 0);  // the longer file's tail is not compared
    const auto second = folder.write("b.bin", b);

    std::vector<int32_t> reports;
    const CompareOutcome outcome = CompareFiles(first, second, [&](int32_t compared, int32_t) { reports.push_back(compared); });
    ASSERT_EQ(outcome.error, CompareError::None);
    EXPECT_EQ(outcome.runs, CompareBytes(a, b));
    EXPECT_EQ(outcome.runs.size(), 20U);  // the long run swallows two boundaries
    EXPECT_EQ(outcome.runs.back(), (DifferenceRun{static_cast<int32_t>(size - 2), 2}));
    EXPECT_EQ(reports.size(), 6U);
    EXPECT_EQ(reports.back(), static_cast<int32_t>(size));
}

}  // namespace
}  // namespace zarvo
