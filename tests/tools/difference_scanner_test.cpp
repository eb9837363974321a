#include "tools/difference_scanner.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

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
