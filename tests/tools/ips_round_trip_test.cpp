#include "tools/ips.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

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
