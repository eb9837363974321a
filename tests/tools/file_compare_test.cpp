#include "tools/file_compare.h"

#include "support/temp_folder.h"
#include "tools/difference_scanner.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::TempFolder;

TEST(FileCompare, ListLinesForRunsOfDifferingBytesAndWhereTheyJump)
{
    const auto base = PatternBytes(0x400);
    const auto changed = [&base](std::vector<std::size_t> positions, std::size_t size = 0x400) {
        auto bytes = base;
        bytes.resize(size, 0xEE);
        for (const std::size_t at : positions) bytes[at] ^= 0x80;
        return bytes;
    };
    const std::vector<std::pair<std::vector<uint8_t>, std::vector<std::string>>> cases = {
        {base, {"These files match to smallest file length."}},
        {changed({0x1F}), {"[0000001F] ;      1 byte  different at location."}},
        {changed({0x100, 0x101, 0x102}), {"[00000100] ;      3 bytes different at location."}},
        {changed({0x10, 0x12, 0x13}),
         {"[00000010] ;      1 byte  different at location.", "[00000012] ;      2 bytes different at location."}},
        {changed({0, 0x3FF}),
         {"[00000000] ;      1 byte  different at location.", "[000003FF] ;      1 byte  different at location."}},
        {changed({}, 0x800), {"These files match to smallest file length."}},  // an extended copy
        {changed({0x1E, 0x1F}, 0x20), {"[0000001E] ;      2 bytes different at location."}},
    };
    for (const auto& [other, lines] : cases) {
        EXPECT_EQ(CompareLines(CompareBytes(base, other)), lines);
        EXPECT_EQ(CompareLines(CompareBytes(other, base)), lines);
    }
    EXPECT_EQ(CompareLine({0x7FFFFFFF, 1234567}), "[7FFFFFFF] ; 1234567 bytes different at location.");
    EXPECT_EQ(CompareResultCaption(0), "Compare Files...Results: 0 difference(s) found.");
    // A line's jump target; past the end of the document, its last byte.
    EXPECT_EQ(CompareJumpTarget("[00ABCDEF] ;      1 byte  different at location.", 0x1000000), 0xABCDEF);
    EXPECT_EQ(CompareJumpTarget("[00002000] ;      1 byte  different at location.", 0x1000), 0xFFF);
    EXPECT_EQ(CompareJumpTarget("[FFFFFFFF] ;      1 byte  different at location.", 0x1000), 0xFFF);
    EXPECT_FALSE(CompareJumpTarget("These files match to smallest file length.", 0x1000).has_value());
}

// Files read from disk in pieces: runs across the pieces stay whole, the longer file's
// tail is not compared, and progress comes every few hundred KiB, not per byte.
TEST(FileCompare, FilesOnDiskWithProgress)
{
    TempFolder folder;
    const std::size_t size = 5 * kCompareProgressStep + 7;
    std::vector<uint8_t> a = PatternBytes(size);
    std::vector<uint8_t> b = a;
    for (std::size_t boundary = 0x10000; boundary < size; boundary += 0x10000) {
        for (std::size_t i = boundary - 2; i < boundary + 3; ++i) b[i] ^= 0x40;
    }
    for (std::size_t i = 0x2FFF0; i < 0x40010; ++i) b[i] ^= 0x01;  // a whole piece, across two boundaries
    b[size - 1] ^= 1;
    const auto first = folder.write("a.bin", a);
    b.resize(size + 100, 0);
    const auto second = folder.write("b.bin", b);

    std::vector<int32_t> reports;
    const CompareOutcome outcome = CompareFiles(first, second, [&](int32_t done, int32_t) { reports.push_back(done); });
    ASSERT_EQ(outcome.error, CompareError::None);
    EXPECT_EQ(outcome.runs.size(), 20U);
    EXPECT_EQ(outcome.runs[2], (DifferenceRun{0x2FFF0, 0x10020}));
    EXPECT_EQ(outcome.runs.back(), (DifferenceRun{static_cast<int32_t>(size - 1), 1}));
    EXPECT_EQ(CompareBytes(a, b), outcome.runs);
    EXPECT_EQ(reports.size(), 6U);
    EXPECT_EQ(reports.back(), static_cast<int32_t>(size));

    EXPECT_EQ(CompareFiles("", second).error, CompareError::MissingName);
}

// Both files are opened as every input is: never waiting on a FIFO, never reading a
// device, and a size limit said as such.
TEST(FileCompare, RefusesWhatIsNotARegularFileNamingIt)
{
    TempFolder folder;
    const auto good = folder.write("a.bin", PatternBytes(100));
    const auto fifo = folder.fifo("fifo");
    const auto huge = folder.sparse("huge.bin", int64_t{1} << 31);
    const std::pair<std::string, CompareError> cases[] = {
        {folder.file("missing.bin"), CompareError::CannotOpen},
        {fifo, CompareError::CannotOpen},
        {huge, CompareError::TooLarge},
    };
    for (const auto& [path, error] : cases) {
        for (const bool first : {true, false}) {
            const CompareOutcome outcome = first ? CompareFiles(path, good) : CompareFiles(good, path);
            EXPECT_EQ(outcome.error, error) << path;
            EXPECT_EQ(outcome.failedPath, path);
        }
    }
}

// Against a byte-by-byte count, over pieces of every size and alignment: differences
// sparse and dense, runs that cross pieces or fill them, runs that reach the end.
TEST(DifferenceScanner, PiecesOfAnySizeGiveTheRunsOfTheWhole)
{
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::vector<uint8_t> a(random() % 3000);
        for (auto& byte : a) byte = static_cast<uint8_t>(random());
        auto b = a;
        for (std::size_t at = random() % 20; at < b.size(); at += 1 + random() % 60) {
            const std::size_t end = std::min(b.size(), at + 1 + random() % (random() % 4 == 0 ? 200 : 6));
            // Any change of a byte, including ones that clear its high bit.
            for (; at < end; ++at) b[at] ^= static_cast<uint8_t>(1 + random() % 255);
        }
        std::vector<DifferenceRun> expected;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] == b[i]) continue;
            if (!expected.empty() && static_cast<std::size_t>(expected.back().offset + expected.back().length) == i) {
                ++expected.back().length;
            } else {
                expected.push_back({static_cast<int32_t>(i), 1});
            }
        }
        DifferenceScanner scanner;
        for (std::size_t done = 0; done < a.size();) {
            const std::size_t count = std::min<std::size_t>(a.size() - done, random() % 3 == 0 ? 1 : random() % 150);
            scanner.scan(a.data() + done, b.data() + done, count);
            done += count;
        }
        EXPECT_EQ(scanner.takeRuns(), expected);
    }
}

}  // namespace
}  // namespace zarvo
