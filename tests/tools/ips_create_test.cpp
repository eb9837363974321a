#include "tools/ips.h"

#include "tools/ips_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
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

void Put(std::vector<uint8_t>& into, std::size_t at, const std::vector<uint8_t>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), into.begin() + static_cast<std::ptrdiff_t>(at));
}

struct CreateCase {
    const char* name;
    std::size_t unchangedSize;  // zero bytes
    std::function<std::vector<uint8_t>(std::vector<uint8_t>)> edit;  // from the unchanged bytes to the current ones
    std::vector<uint8_t> expected;
};

std::vector<CreateCase> CreateCases()
{
    return {
        {"OneByte", 32, [](auto b) { b[3] = 0xAA; return b; }, PatchBytes().data(3, {0xAA}).end().bytes()},
        {"FiveEqualBytesBetweenDifferencesJoinTheRecord", 32,
         [](auto b) { b[10] = 0x11; b[16] = 0x22; return b; },
         PatchBytes().data(10, {0x11, 0, 0, 0, 0, 0, 0x22}).end().bytes()},
        {"SixEqualBytesSplitTheRecord", 32, [](auto b) { b[10] = 0x11; b[17] = 0x22; return b; },
         PatchBytes().data(10, {0x11}).data(17, {0x22}).end().bytes()},
        {"EqualBytesReachingTheEndAreLeftOut", 32, [](auto b) { b[26] = 0xA; b[28] = 0xB; return b; },
         PatchBytes().data(26, {0xA, 0, 0xB}).end().bytes()},
        {"FiveEqualBytesBeforeTheLastByteAreBridged", 32, [](auto b) { b[25] = 0xA; b[31] = 0xB; return b; },
         PatchBytes().data(25, {0xA, 0, 0, 0, 0, 0, 0xB}).end().bytes()},
        {"TwelveEqualNewBytesAreARun", 32, [](auto b) { Put(b, 4, Repeated(12, 0xFF)); return b; },
         PatchBytes().run(4, 12, 0xFF).end().bytes()},
        {"NineEqualNewBytesAreARun", 32, [](auto b) { Put(b, 4, Repeated(9, 0xFF)); return b; },
         PatchBytes().run(4, 9, 0xFF).end().bytes()},
        {"EightEqualNewBytesAreData", 32, [](auto b) { Put(b, 4, Repeated(8, 0xFF)); return b; },
         PatchBytes().data(4, Repeated(8, 0xFF)).end().bytes()},
        {"MostlyEqualNewBytesAreData", 32,
         [](auto b) { Put(b, 4, Repeated(12, 0xFF)); b[9] = 0xFE; return b; },
         PatchBytes().data(4, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).end().bytes()},
        {"ARunWithBridgedBytesIsData", 32,
         [](auto b) { Put(b, 2, Repeated(6, 0x77)); Put(b, 9, Repeated(6, 0x77)); return b; },
         PatchBytes().data(2, {0x77, 0x77, 0x77, 0x77, 0x77, 0x77, 0, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}).end().bytes()},
        {"LongerCurrentAddsItsTail", 16, [](auto b) { b.resize(36, 0x40); b[20] = 0x41; return b; },
         PatchBytes().data(16, {0x40, 0x40, 0x40, 0x40, 0x41, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40,
                                0x40, 0x40, 0x40, 0x40, 0x40, 0x40})
             .end()
             .bytes()},
        {"TailOfOneByteValueIsARun", 16, [](auto b) { b.resize(28, 0x77); return b; },
         PatchBytes().run(16, 12, 0x77).end().bytes()},
        {"TailOfZeroBytesIsStillWritten", 16, [](auto b) { b.resize(20, 0); return b; },
         PatchBytes().data(16, {0, 0, 0, 0}).end().bytes()},
        {"RecordEndingAtTheOldEndAndTheTailAreSeparate", 16, [](auto b) { b[15] = 1; b.resize(18, 2); return b; },
         PatchBytes().data(15, {1}).data(16, {2, 2}).end().bytes()},
        {"EverythingNewFromAnEmptyOriginal", 0, [](auto) { return std::vector<uint8_t>{5, 6, 7}; },
         PatchBytes().data(0, {5, 6, 7}).end().bytes()},
        {"ShorterCurrentEndsWithItsSize", 32, [](auto b) { b.resize(20); b[2] = 9; return b; },
         PatchBytes().data(2, {9}).end().cutTo(20).bytes()},
        {"CurrentThatIsAPrefixGivesOnlyTheSize", 32, [](auto b) { b.resize(7); return b; },
         PatchBytes().end().cutTo(7).bytes()},
        {"DifferenceAtTheLastComparedByteOfAShorterCurrent", 32, [](auto b) { b.resize(10); b[9] = 3; return b; },
         PatchBytes().data(9, {3}).end().cutTo(10).bytes()},
        {"FortyThousandDifferingBytesSplitAt32768", 40000, [](auto b) { Put(b, 0, Differing(40000)); return b; },
         [] {
             const auto all = Differing(40000);
             return PatchBytes()
                 .data(0, {all.begin(), all.begin() + 32768})
                 .data(32768, {all.begin() + 32768, all.end()})
                 .end()
                 .bytes();
         }()},
        // A record of 32762 bytes still bridges one equal byte and then fills up to 32768.
        {"BridgeJustBelowTheRecordLimit", 40000,
         [](auto b) { Put(b, 0, Differing(32762)); Put(b, 32763, Repeated(10, 0xEE)); return b; },
         [] {
             auto first = Differing(32762);
             first.push_back(0);
             first.insert(first.end(), 5, 0xEE);
             return PatchBytes().data(0, first).data(32768, Repeated(5, 0xEE)).end().bytes();
         }()},
        // At 32763 bytes no equal byte is taken in: the next difference starts a new record.
        {"NoBridgeAtTheRecordLimit", 40000,
         [](auto b) { Put(b, 0, Differing(32763)); Put(b, 32764, Repeated(10, 0xEE)); return b; },
         PatchBytes().data(0, Differing(32763)).run(32764, 10, 0xEE).end().bytes()},
    };
}

TEST(IpsCreate, WritesRecordsByTheRecordRules)
{
    for (const CreateCase& c : CreateCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> unchanged(c.unchangedSize, 0);
        const auto current = c.edit(unchanged);
        const IpsCreation made = CreateIps(unchanged, current);
        EXPECT_EQ(made.error, IpsError::None);
        EXPECT_EQ(made.patch, c.expected);
    }
}

TEST(IpsCreate, EqualFilesGiveNoPatch)
{
    const std::vector<uint8_t> bytes = Differing(1000);
    const IpsCreation made = CreateIps(bytes, bytes);
    EXPECT_EQ(made.error, IpsError::FilesEqual);
    EXPECT_TRUE(made.patch.empty());
    EXPECT_EQ(CreateIps({}, {}).error, IpsError::FilesEqual);
    // A longer unchanged file is not equal: the patch must cut the file.
    EXPECT_EQ(CreateIps(bytes, std::span(bytes).first(999)).error, IpsError::None);
}

// A record that would begin at 0x454F46 would read back as the end mark.
TEST(IpsCreate, RecordAtEofOffsetStartsOneByteEarlier)
{
    const std::size_t size = kIpsEofOffset + 64;
    const std::vector<uint8_t> unchanged(size, 0);

    auto current = unchanged;
    current[kIpsEofOffset] = 0x5A;
    EXPECT_EQ(CreateIps(unchanged, current).patch, PatchBytes().data(kIpsEofOffset - 1, {0, 0x5A}).end().bytes());

    // A record that begins one byte before it is left alone.
    current = unchanged;
    current[kIpsEofOffset - 1] = 0x5A;
    current[kIpsEofOffset] = 0x5B;
    EXPECT_EQ(CreateIps(unchanged, current).patch, PatchBytes().data(kIpsEofOffset - 1, {0x5A, 0x5B}).end().bytes());

    // A record cut at 32768 bytes that would let the next one begin there.
    current = unchanged;
    const std::size_t first = kIpsEofOffset - kIpsMaxRecordLength;
    Put(current, first, Differing(kIpsMaxRecordLength + 4));
    const auto all = Differing(kIpsMaxRecordLength + 4);
    EXPECT_EQ(CreateIps(unchanged, current).patch,
              PatchBytes()
                  .data(static_cast<uint32_t>(first), {all.begin(), all.begin() + kIpsMaxRecordLength})
                  .data(kIpsEofOffset - 1, {all.begin() + kIpsMaxRecordLength - 1, all.end()})
                  .end()
                  .bytes());

    // A tail that begins there.
    const std::vector<uint8_t> shortUnchanged(kIpsEofOffset, 0);
    current.assign(kIpsEofOffset + 3, 0x33);
    std::fill(current.begin(), current.begin() + kIpsEofOffset, 0);
    EXPECT_EQ(CreateIps(shortUnchanged, current).patch,
              PatchBytes().data(kIpsEofOffset - 1, {0, 0x33, 0x33, 0x33}).end().bytes());
}

TEST(IpsCreate, NothingCanBeWrittenAtOrPast16MiB)
{
    const std::size_t limit = kIpsOffsetLimit;
    const std::vector<uint8_t> unchanged(limit + 16, 0);

    auto current = unchanged;
    current[limit - 1] = 1;
    EXPECT_EQ(CreateIps(unchanged, current).patch, PatchBytes().data(static_cast<uint32_t>(limit - 1), {1}).end().bytes());

    current[limit] = 1;  // the record now reaches past the limit
    EXPECT_EQ(CreateIps(unchanged, current).error, IpsError::BeyondOffsetLimit);
    EXPECT_TRUE(CreateIps(unchanged, current).patch.empty());

    current = unchanged;
    current[limit + 8] = 1;
    EXPECT_EQ(CreateIps(unchanged, current).error, IpsError::BeyondOffsetLimit);

    // A tail past the limit, and a size to cut to that three bytes cannot hold.
    EXPECT_EQ(CreateIps(std::span(unchanged).first(limit), unchanged).error, IpsError::BeyondOffsetLimit);
    EXPECT_EQ(CreateIps(unchanged, std::span(unchanged).first(limit)).error, IpsError::BeyondOffsetLimit);
    EXPECT_EQ(CreateIps(unchanged, std::span(unchanged).first(limit - 1)).patch,
              PatchBytes().end().cutTo(static_cast<uint32_t>(limit - 1)).bytes());
    // Equal bytes past the limit do not matter.
    current = unchanged;
    current[5] = 1;
    EXPECT_EQ(CreateIps(unchanged, current).patch, PatchBytes().data(5, {1}).end().bytes());
}

}  // namespace
}  // namespace zarvo
