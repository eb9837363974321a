#include "tools/ips.h"

#include "tools/ips_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::PatchBytes;

struct ApplyCase {
    const char* name;
    std::vector<uint8_t> patch;
    std::vector<uint8_t> expected;  // patched {1, 2, 3, 4}
};

TEST(IpsApply, StoresRecordsLengthensAndCuts)
{
    const std::vector<uint8_t> original = {1, 2, 3, 4};
    const std::vector<ApplyCase> cases = {
        {"DataRecord", PatchBytes().data(1, {9, 8}).end().bytes(), {1, 9, 8, 4}},
        {"RunRecord", PatchBytes().run(1, 3, 7).end().bytes(), {1, 7, 7, 7}},
        {"RecordPastTheEndLeavesZeroBytesBetween", PatchBytes().data(6, {9}).end().bytes(), {1, 2, 3, 4, 0, 0, 9}},
        {"RunPastTheEnd", PatchBytes().run(3, 3, 5).end().bytes(), {1, 2, 3, 5, 5, 5}},
        {"RunOfLengthZeroStoresNothing", PatchBytes().run(10, 0, 5).end().bytes(), {1, 2, 3, 4}},
        {"LaterRecordsWin", PatchBytes().data(0, {9, 9}).data(1, {8}).end().bytes(), {9, 8, 3, 4}},
        {"NoEndMarkAfterTheLastRecord", PatchBytes().data(0, {9}).bytes(), {9, 2, 3, 4}},
        {"EmptyPatch", PatchBytes().end().bytes(), {1, 2, 3, 4}},
        {"HeaderOnly", PatchBytes().bytes(), {1, 2, 3, 4}},
        {"SizeAfterEofCuts", PatchBytes().data(0, {9}).end().cutTo(2).bytes(), {9, 2}},
        {"SizeAfterEofCutsAwayARecordPastIt", PatchBytes().data(6, {9}).end().cutTo(3).bytes(), {1, 2, 3}},
        {"SizeAfterEofToNothing", PatchBytes().end().cutTo(0).bytes(), {}},
        {"SizeAfterEofNeverLengthens", PatchBytes().end().cutTo(10).bytes(), {1, 2, 3, 4}},
        {"OtherBytesAfterEofAreIgnored", PatchBytes().data(0, {9}).end().raw({0, 0}).bytes(), {9, 2, 3, 4}},
        {"FourBytesAfterEofAreIgnored", PatchBytes().end().raw({0, 0, 1, 0}).bytes(), {1, 2, 3, 4}},
        {"FirstRecordAtTheEofOffsetReadsAsEmpty", PatchBytes().data(kIpsEofOffset, {9}).end().bytes(), {1, 2, 3, 4}},
        {"RecordsAfterAnEarlyEndMarkAreNotRead", PatchBytes().end().data(0, {9}).end().bytes(), {1, 2, 3, 4}},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const IpsApplication applied = ApplyIps(c.patch, original);
        EXPECT_EQ(applied.error, IpsError::None);
        EXPECT_EQ(applied.result, c.expected);
        EXPECT_EQ(CheckIps(c.patch, 4).resultSize, static_cast<int32_t>(c.expected.size()));
    }
}

TEST(IpsApply, RefusesWhatIsNotAPatch)
{
    const std::vector<uint8_t> original = {1, 2, 3};
    for (const std::string& text : {std::string(), std::string("PATC"), std::string("patch"), std::string("XPATCHEOF")}) {
        SCOPED_TRACE(text);
        const IpsApplication applied = ApplyIps(std::vector<uint8_t>(text.begin(), text.end()), original);
        EXPECT_EQ(applied.error, IpsError::NotAPatch);
        EXPECT_TRUE(applied.result.empty());
    }
}

// Every prefix of a patch either ends between records (and is applied) or ends inside
// one (and is refused as a whole).
TEST(IpsApply, PatchEndingInsideARecordIsRefused)
{
    const auto patch = PatchBytes().data(1, {9, 8}).run(0, 2, 7).end().bytes();
    const std::size_t recordEnds[] = {5, 12, 20, 23};
    const std::vector<uint8_t> original = {1, 2, 3, 4};
    for (std::size_t size = 5; size <= patch.size(); ++size) {
        SCOPED_TRACE(size);
        const std::vector<uint8_t> prefix(patch.begin(), patch.begin() + static_cast<std::ptrdiff_t>(size));
        const bool whole = std::find(std::begin(recordEnds), std::end(recordEnds), size) != std::end(recordEnds);
        EXPECT_EQ(ApplyIps(prefix, original).error, whole ? IpsError::None : IpsError::Truncated);
        EXPECT_EQ(CheckIps(prefix, 4).error, whole ? IpsError::None : IpsError::Truncated);
    }
}

TEST(IpsApply, WritingRecordsDropsBytesPastTheTarget)
{
    const auto patch = PatchBytes().data(2, {9, 9, 9}).run(4, 100, 5).data(50, {1}).end().bytes();
    std::vector<uint8_t> target = {0, 0, 0, 0};
    WriteIpsRecords(patch, target);
    EXPECT_EQ(target, (std::vector<uint8_t>{0, 0, 9, 9}));
}

// Files with random bytes, changed in scattered places, in runs of one value, lengthened
// and shortened: applying the made patch to the unchanged file gives the changed one.
struct Pair {
    std::vector<uint8_t> unchanged;
    std::vector<uint8_t> current;
};

Pair RandomPair(std::mt19937& random, std::size_t maxSize, std::size_t focus)
{
    std::uniform_int_distribution<int> byte(0, 255);
    Pair pair;
    pair.unchanged.resize(std::uniform_int_distribution<std::size_t>(0, maxSize)(random));
    for (auto& b : pair.unchanged) b = static_cast<uint8_t>(byte(random) & 0x0F);  // small alphabet: many equal bytes
    pair.current = pair.unchanged;
    switch (random() % 4) {
    case 0:
        pair.current.resize(std::uniform_int_distribution<std::size_t>(0, pair.current.size())(random));
        break;
    case 1:
        pair.current.resize(pair.current.size() + random() % 70000, static_cast<uint8_t>(byte(random)));
        break;
    default:
        break;
    }
    if (pair.current.empty()) return pair;
    const int edits = static_cast<int>(random() % 40);
    for (int e = 0; e < edits; ++e) {
        // Edits gather near focus when one is given, else anywhere.
        const std::size_t size = pair.current.size();
        std::size_t at = random() % size;
        if (focus != 0 && focus < size) at = std::min(size - 1, focus - std::min<std::size_t>(focus, 40) + random() % 80);
        const std::size_t length = std::min<std::size_t>(size - at, 1 + random() % (random() % 8 == 0 ? 40000 : 20));
        const bool run = random() % 3 == 0;
        const auto value = static_cast<uint8_t>(byte(random));
        for (std::size_t i = at; i < at + length; ++i) pair.current[i] = run ? value : static_cast<uint8_t>(byte(random));
    }
    return pair;
}

void ExpectRoundTrip(const Pair& pair)
{
    const IpsCreation made = CreateIps(pair.unchanged, pair.current);
    if (pair.unchanged == pair.current) {
        EXPECT_EQ(made.error, IpsError::FilesEqual);
        return;
    }
    ASSERT_EQ(made.error, IpsError::None);
    const IpsApplication applied = ApplyIps(made.patch, pair.unchanged);
    ASSERT_EQ(applied.error, IpsError::None);
    EXPECT_TRUE(applied.result == pair.current) << "sizes " << pair.unchanged.size() << " -> " << pair.current.size();
}

TEST(IpsRoundTrip, CreateThenApplyGivesTheChangedFileBack)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        ExpectRoundTrip(RandomPair(random, 100000, 0));
    }
}

TEST(IpsRoundTrip, ChangesAroundTheEofOffset)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        Pair pair = RandomPair(random, 0, 0);
        pair.unchanged.assign(kIpsEofOffset + 1 + random() % 100, 0);
        pair.current = pair.unchanged;
        if (seed % 3 == 0) pair.current.resize(pair.current.size() + 50, 0x44);
        // Differences on and around 0x454F46, some of them one byte each.
        for (std::size_t at = kIpsEofOffset - 20; at < kIpsEofOffset + 20 && at < pair.current.size(); ++at) {
            if (random() % 3 != 0) pair.current[at] = static_cast<uint8_t>(1 + random() % 255);
        }
        // Half the cases leave the bytes before it equal, so that a record would begin on it.
        if (seed % 2 == 0) std::fill(pair.current.begin() + kIpsEofOffset - 7, pair.current.begin() + kIpsEofOffset, 0);
        pair.current[kIpsEofOffset] = static_cast<uint8_t>(0x80 | seed);
        ExpectRoundTrip(pair);
    }
}

}  // namespace
}  // namespace zarvo
