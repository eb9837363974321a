#include "search/match_finder.h"

#include "search_fixture.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

std::vector<int32_t> FinderMatches(const std::vector<uint8_t>& data, int32_t from, const std::vector<uint8_t>& pattern,
                                   MatchRule rule)
{
    const MatchFinder finder(data, pattern, rule);
    std::vector<int32_t> found;
    finder.forEach(from, finder.lastPosition(), [&](int32_t position) {
        found.push_back(position);
        return true;
    });
    return found;
}

// Random buffers over small alphabets (letters of both cases, '*' among them), and
// patterns cut from the buffer with some bytes (the first one too) turned into '*'
// or case-flipped.
TEST(MatchFinder, FindsWhatAPlainScanOfEveryPositionFinds)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 400; ++round) {
        const int alphabet = 2 + round % 7;
        const std::size_t size = 1 + random() % (round % 4 == 0 ? 9000 : 300);
        std::vector<uint8_t> data = testing::RandomBytes(random, size, alphabet, round % 2 == 0 ? 'a' - 2 : 0x28);
        if (round % 5 == 0) data.back() = 0x2A;
        const std::size_t length = 1 + random() % std::min<std::size_t>(size, 6 + round % 34);
        const std::size_t at = random() % (size - length + 1);
        std::vector<uint8_t> pattern(data.begin() + static_cast<long>(at),
                                     data.begin() + static_cast<long>(at + length));
        for (auto& byte : pattern) {
            if (random() % 6 == 0) byte = 0x2A;
            if (random() % 4 == 0 && byte >= 'a' && byte <= 'z') byte -= 32;
        }
        const MatchRule rule{round % 3 == 1, round % 4 >= 2};
        const auto from = static_cast<int32_t>(random() % size);
        SCOPED_TRACE(round);
        const std::vector<int32_t> model =
            testing::ModelMatches(data, static_cast<std::size_t>(from), pattern, rule.ignoreCase, rule.wildcard);
        EXPECT_EQ(FinderMatches(data, from, pattern, rule), model);
        // The same buffer looked at in small pieces: a match across two is found once.
        MemoryPieces pieces(data, 1 + random() % 64);
        std::vector<int32_t> inPieces;
        EXPECT_TRUE(ForEachMatch(pieces, from, pattern, rule, [&](int32_t position) {
            inPieces.push_back(position);
            return true;
        }));
        EXPECT_EQ(inPieces, model);
    }
}

TEST(MatchFinder, EveryPositionWherethePatternFitsIsExamined)
{
    const std::vector<uint8_t> data = testing::Bytes("abcXYZabXY");
    EXPECT_EQ(FinderMatches(data, 0, testing::Bytes("abc"), {}), (std::vector<int32_t>{0}));
    EXPECT_EQ(FinderMatches(data, 0, testing::Bytes("XY"), {}), (std::vector<int32_t>{3, 8}));  // ends on the last byte
    EXPECT_EQ(FinderMatches(data, 0, data, {}), (std::vector<int32_t>{0}));
    EXPECT_EQ(FinderMatches(data, 0, testing::Bytes("abcXYZabXYa"), {}), (std::vector<int32_t>{}));
    const MatchFinder finder(data, testing::Bytes("ab"), {});
    EXPECT_EQ(finder.next(1, finder.lastPosition()), 6);
    EXPECT_EQ(finder.next(1, 5), -1);
    EXPECT_EQ(finder.next(-5, 100), 0);  // clipped to the buffer
}

}  // namespace
}  // namespace zarvo
