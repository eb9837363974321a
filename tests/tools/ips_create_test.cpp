#include "tools/ips.h"
#include "tools/ips_test_support.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

using testing::PatchBytes;
using testing::Repeated;

// Bytes 1..250 again and again: never zero, so each differs from a zero-filled original.
std::vector<uint8_t> Differing(std::size_t count)
{
    std::vector<uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i % 250 + 1);
    return bytes;
}

std::vector<uint8_t> Put(std::vector<uint8_t> into, std::size_t at, const std::vector<uint8_t>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), into.begin() + static_cast<std::ptrdiff_t>(at));
    return into;
}

std::vector<uint8_t> Join(std::vector<uint8_t> first, const std::vector<uint8_t>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Records for a current file made from zero bytes by edit.
TEST(IpsCreate, WritesRecordsByTheRecordRules)
{
    using Edit = std::function<std::vector<uint8_t>(std::vector<uint8_t>)>;
    struct Case {
        const char* name;
        std::size_t unchangedSize;
        Edit edit;
        std::vector<uint8_t> expected;
    };
    const auto all = Differing(40000);
    const Case cases[] = {
        {"OneByte", 32, [](auto b) { return Put(b, 3, {0xAA}); }, PatchBytes().data(3, {0xAA}).end().bytes()},
        {"FiveEqualBytesJoin", 32, [](auto b) { return Put(b, 10, {0x11, 0, 0, 0, 0, 0, 0x22}); },
         PatchBytes().data(10, {0x11, 0, 0, 0, 0, 0, 0x22}).end().bytes()},
        {"SixEqualBytesSplit", 32, [](auto b) { return Put(b, 10, {0x11, 0, 0, 0, 0, 0, 0, 0x22}); },
         PatchBytes().data(10, {0x11}).data(17, {0x22}).end().bytes()},
        {"EqualBytesReachingTheEndAreLeftOut", 32, [](auto b) { return Put(b, 26, {0xA, 0, 0xB}); },
         PatchBytes().data(26, {0xA, 0, 0xB}).end().bytes()},
        {"FiveEqualBytesBeforeTheLastAreJoined", 32, [](auto b) { return Put(b, 25, {0xA, 0, 0, 0, 0, 0, 0xB}); },
         PatchBytes().data(25, {0xA, 0, 0, 0, 0, 0, 0xB}).end().bytes()},
        {"NineEqualNewBytesAreARun", 32, [](auto b) { return Put(b, 4, Repeated(9, 0xFF)); },
         PatchBytes().run(4, 9, 0xFF).end().bytes()},
        {"EightEqualNewBytesAreData", 32, [](auto b) { return Put(b, 4, Repeated(8, 0xFF)); },
         PatchBytes().data(4, Repeated(8, 0xFF)).end().bytes()},
        {"MostlyEqualNewBytesAreData", 32, [](auto b) { return Put(Put(b, 4, Repeated(12, 0xFF)), 9, {0xFE}); },
         PatchBytes().data(4, Put(Repeated(12, 0xFF), 5, {0xFE})).end().bytes()},
        {"ARunWithAJoinedEqualByteIsData", 32,
         [](auto b) { return Put(Put(b, 2, Repeated(6, 0x77)), 9, Repeated(6, 0x77)); },
         PatchBytes().data(2, Join(Put(Repeated(7, 0x77), 6, {0}), Repeated(6, 0x77))).end().bytes()},
        {"LongerCurrentAddsItsTail", 16, [](auto b) { b.resize(36, 0x40); return Put(b, 20, {0x41}); },
         PatchBytes().data(16, Put(Repeated(20, 0x40), 4, {0x41})).end().bytes()},
        {"TailOfOneValueIsARun", 16, [](auto b) { b.resize(28, 0x77); return b; },
         PatchBytes().run(16, 12, 0x77).end().bytes()},
        {"TailOfZeroBytesIsStillWritten", 16, [](auto b) { b.resize(20, 0); return b; },
         PatchBytes().data(16, {0, 0, 0, 0}).end().bytes()},
        {"RecordEndingAtTheOldEndAndTheTailAreApart", 16, [](auto b) { b.resize(18, 2); return Put(b, 15, {1}); },
         PatchBytes().data(15, {1}).data(16, {2, 2}).end().bytes()},
        {"EverythingNew", 0, [](auto) { return std::vector<uint8_t>{5, 6, 7}; },
         PatchBytes().data(0, {5, 6, 7}).end().bytes()},
        {"ShorterCurrentEndsWithItsSize", 32, [](auto b) { b.resize(10); return Put(b, 2, {9}); },
         PatchBytes().data(2, {9}).end().cutTo(10).bytes()},
        {"ShorterCurrentDifferingAtItsEnd", 32, [](auto b) { b.resize(10); return Put(b, 9, {3}); },
         PatchBytes().data(9, {3}).end().cutTo(10).bytes()},
        {"PrefixGivesOnlyTheSize", 32, [](auto b) { b.resize(7); return b; }, PatchBytes().end().cutTo(7).bytes()},
        {"FortyThousandDifferingBytesSplitAt32768", 40000, [&](auto b) { return Put(b, 0, all); },
         PatchBytes().data(0, {all.begin(), all.begin() + 32768}).data(32768, {all.begin() + 32768, all.end()})
             .end().bytes()},
        // 32762 differing bytes still join one equal byte and fill up to 32768 ...
        {"JoinJustBelowTheRecordLimit", 40000, [](auto b) { return Put(Put(b, 0, Differing(32762)), 32763, Repeated(10, 0xEE)); },
         PatchBytes().data(0, Join(Join(Differing(32762), {0}), Repeated(5, 0xEE))).data(32768, Repeated(5, 0xEE))
             .end().bytes()},
        // ... 32763 do not: the next difference starts a new record.
        {"NoJoinAtTheRecordLimit", 40000, [](auto b) { return Put(Put(b, 0, Differing(32763)), 32764, Repeated(10, 0xEE)); },
         PatchBytes().data(0, Differing(32763)).run(32764, 10, 0xEE).end().bytes()},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> unchanged(c.unchangedSize, 0);
        const IpsCreation made = CreateIps(unchanged, c.edit(unchanged));
        EXPECT_EQ(made.error, IpsError::None) << c.name;
        EXPECT_EQ(made.patch, c.expected) << c.name;
    }
    const auto bytes = Differing(1000);
    EXPECT_EQ(CreateIps(bytes, bytes).error, IpsError::FilesEqual);
    EXPECT_TRUE(CreateIps(bytes, bytes).patch.empty());
    EXPECT_EQ(CreateIps({}, {}).error, IpsError::FilesEqual);
}

// A record that would begin at 0x454F46 would read back as the end mark.
TEST(IpsCreate, RecordAtEofOffsetStartsOneByteEarlier)
{
    const std::vector<uint8_t> unchanged(kIpsEofOffset + 64, 0);
    EXPECT_EQ(CreateIps(unchanged, Put(unchanged, kIpsEofOffset, {0x5A})).patch,
              PatchBytes().data(kIpsEofOffset - 1, {0, 0x5A}).end().bytes());
    // One that begins a byte before it is left alone.
    EXPECT_EQ(CreateIps(unchanged, Put(unchanged, kIpsEofOffset - 1, {0x5A, 0x5B})).patch,
              PatchBytes().data(kIpsEofOffset - 1, {0x5A, 0x5B}).end().bytes());
    // A record cut at 32768 bytes would let the next one begin there.
    const std::size_t first = kIpsEofOffset - kIpsMaxRecordLength;
    const auto run = Differing(kIpsMaxRecordLength + 4);
    EXPECT_EQ(CreateIps(unchanged, Put(unchanged, first, run)).patch,
              PatchBytes()
                  .data(static_cast<uint32_t>(first), {run.begin(), run.begin() + kIpsMaxRecordLength})
                  .data(kIpsEofOffset - 1, {run.begin() + kIpsMaxRecordLength - 1, run.end()})
                  .end()
                  .bytes());
    // So would a tail that begins there.
    const std::vector<uint8_t> shorter(kIpsEofOffset, 0);
    EXPECT_EQ(CreateIps(shorter, Join(shorter, Repeated(3, 0x33))).patch,
              PatchBytes().data(kIpsEofOffset - 1, {0, 0x33, 0x33, 0x33}).end().bytes());
}

TEST(IpsCreate, NothingCanBeWrittenAtOrPast16MiB)
{
    const std::size_t limit = kIpsOffsetLimit;
    const std::vector<uint8_t> unchanged(limit + 16, 0);
    const std::span<const uint8_t> whole(unchanged);
    EXPECT_EQ(CreateIps(unchanged, Put(unchanged, 5, {1})).patch, PatchBytes().data(5, {1}).end().bytes());
    EXPECT_EQ(CreateIps(unchanged, Put(unchanged, limit - 1, {1})).patch,
              PatchBytes().data(static_cast<uint32_t>(limit - 1), {1}).end().bytes());
    const IpsCreation across = CreateIps(unchanged, Put(unchanged, limit - 1, {1, 1}));
    EXPECT_EQ(across.error, IpsError::BeyondOffsetLimit);
    EXPECT_TRUE(across.patch.empty());
    EXPECT_EQ(CreateIps(unchanged, Put(unchanged, limit + 8, {1})).error, IpsError::BeyondOffsetLimit);
    // A tail past the limit, and a size to cut to that three bytes cannot hold.
    EXPECT_EQ(CreateIps(whole.first(limit), unchanged).error, IpsError::BeyondOffsetLimit);
    EXPECT_EQ(CreateIps(unchanged, whole.first(limit)).error, IpsError::BeyondOffsetLimit);
    EXPECT_EQ(CreateIps(unchanged, whole.first(limit - 1)).patch,
              PatchBytes().end().cutTo(static_cast<uint32_t>(limit - 1)).bytes());
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
