#include "tools/ips.h"
#include "tools/ips_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

using testing::PatchBytes;

TEST(IpsApply, StoresRecordsLengthensAndCuts)
{
    const std::vector<uint8_t> original = {1, 2, 3, 4};
    const std::vector<std::pair<std::vector<uint8_t>, std::vector<uint8_t>>> cases = {
        {PatchBytes().data(1, {9, 8}).end().bytes(), {1, 9, 8, 4}},
        {PatchBytes().run(1, 3, 7).end().bytes(), {1, 7, 7, 7}},
        {PatchBytes().data(6, {9}).end().bytes(), {1, 2, 3, 4, 0, 0, 9}},  // the gap reads as zero bytes
        {PatchBytes().run(3, 3, 5).end().bytes(), {1, 2, 3, 5, 5, 5}},
        {PatchBytes().run(10, 0, 5).end().bytes(), {1, 2, 3, 4}},  // an empty run stores nothing
        {PatchBytes().data(0, {9, 9}).data(1, {8}).end().bytes(), {9, 8, 3, 4}},
        {PatchBytes().data(0, {9}).bytes(), {9, 2, 3, 4}},  // no end mark
        {PatchBytes().bytes(), {1, 2, 3, 4}},
        {PatchBytes().data(0, {9}).end().cutTo(2).bytes(), {9, 2}},
        {PatchBytes().data(6, {9}).end().cutTo(3).bytes(), {1, 2, 3}},
        {PatchBytes().end().cutTo(0).bytes(), {}},
        {PatchBytes().end().cutTo(10).bytes(), {1, 2, 3, 4}},                 // the size only cuts
        {PatchBytes().data(0, {9}).end().raw({0, 0}).bytes(), {9, 2, 3, 4}},  // not a size: ignored
        {PatchBytes().end().raw({0, 0, 1, 0}).bytes(), {1, 2, 3, 4}},
        {PatchBytes().data(kIpsEofOffset, {9}).end().bytes(), {1, 2, 3, 4}},  // reads as the end mark
    };
    for (const auto& [patch, expected] : cases) {
        const IpsApplication applied = ApplyIps(patch, original);
        EXPECT_EQ(applied.error, IpsError::None);
        EXPECT_EQ(applied.result, expected) << ::testing::PrintToString(patch);
        EXPECT_EQ(CheckIps(patch, 4).resultSize, static_cast<int32_t>(expected.size()));
    }
}

// Every prefix of a patch either ends between records, and is applied, or ends inside
// one, and is refused as a whole.
TEST(IpsApply, RefusesWhatIsNotAPatchOrEndsInsideARecord)
{
    const std::vector<uint8_t> original = {1, 2, 3, 4};
    for (const std::vector<uint8_t>& bad : {std::vector<uint8_t>{}, std::vector<uint8_t>{'P', 'A', 'T', 'C'},
                                            std::vector<uint8_t>{'p', 'a', 't', 'c', 'h', 'E', 'O', 'F'}}) {
        EXPECT_EQ(ApplyIps(bad, original).error, IpsError::NotAPatch);
    }
    const auto patch = PatchBytes().data(1, {9, 8}).run(0, 2, 7).end().bytes();
    const std::size_t recordEnds[] = {5, 12, 20, 23};
    for (std::size_t size = 5; size <= patch.size(); ++size) {
        const std::vector<uint8_t> prefix(patch.begin(), patch.begin() + static_cast<std::ptrdiff_t>(size));
        const bool whole = std::find(std::begin(recordEnds), std::end(recordEnds), size) != std::end(recordEnds);
        EXPECT_EQ(ApplyIps(prefix, original).error, whole ? IpsError::None : IpsError::Truncated) << size;
    }
}

// Random files, changed in scattered places and in runs of one value, lengthened and
// shortened: applying the made patch to the unchanged file gives the changed one.
void ExpectRoundTrip(const std::vector<uint8_t>& unchanged, const std::vector<uint8_t>& current)
{
    const IpsCreation made = CreateIps(unchanged, current);
    if (unchanged == current) {
        EXPECT_EQ(made.error, IpsError::FilesEqual);
        return;
    }
    ASSERT_EQ(made.error, IpsError::None);
    const IpsApplication applied = ApplyIps(made.patch, unchanged);
    ASSERT_EQ(applied.error, IpsError::None);
    EXPECT_TRUE(applied.result == current) << "sizes " << unchanged.size() << " -> " << current.size();
}

void Scramble(std::mt19937& random, std::vector<uint8_t>& bytes, std::size_t from, std::size_t to, int edits)
{
    for (int e = 0; e < edits && from < to; ++e) {
        const std::size_t at = from + random() % (to - from);
        const std::size_t end = std::min(to, at + 1 + random() % (random() % 8 == 0 ? 40000 : 20));
        const bool run = random() % 3 == 0;
        const auto value = static_cast<uint8_t>(random());
        for (std::size_t i = at; i < end; ++i) bytes[i] = run ? value : static_cast<uint8_t>(random());
    }
}

TEST(IpsRoundTrip, CreateThenApplyGivesTheChangedFileBack)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::vector<uint8_t> unchanged(random() % 100000);
        for (auto& b : unchanged) b = static_cast<uint8_t>(random() & 0x0F);  // a small alphabet: many equal bytes
        auto current = unchanged;
        if (seed % 4 == 0) current.resize(random() % (current.size() + 1));
        if (seed % 4 == 1) current.resize(current.size() + random() % 70000, static_cast<uint8_t>(random()));
        Scramble(random, current, 0, current.size(), static_cast<int>(random() % 40));
        ExpectRoundTrip(unchanged, current);
    }
}

TEST(IpsRoundTrip, ChangesAroundTheEofOffset)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const std::vector<uint8_t> unchanged(kIpsEofOffset + 1 + random() % 100, 0);
        auto current = unchanged;
        if (seed % 3 == 0) current.resize(current.size() + 50, 0x44);
        Scramble(random, current, kIpsEofOffset - 20, kIpsEofOffset + 1, 6);
        // Half the cases keep the bytes before it equal, so that a record would begin on it.
        if (seed % 2 == 0) std::fill(current.begin() + kIpsEofOffset - 7, current.begin() + kIpsEofOffset, 0);
        current[kIpsEofOffset] = static_cast<uint8_t>(0x80 | seed);
        ExpectRoundTrip(unchanged, current);
    }
}

}  // namespace
}  // namespace zarvo
