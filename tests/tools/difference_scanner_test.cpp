#include "tools/difference_scanner.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zarvo {
namespace {

// Runs found byte by byte over the whole of both sequences.
std::vector<DifferenceRun> RunsByteByByte(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    std::vector<DifferenceRun> runs;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        if (!runs.empty() && static_cast<std::size_t>(runs.back().offset + runs.back().length) == i) {
            ++runs.back().length;
        } else {
            runs.push_back({static_cast<int32_t>(i), 1});
        }
    }
    return runs;
}

TEST(DifferenceScanner, PiecesOfAnySizeGiveTheRunsOfTheWhole)
{
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::vector<uint8_t> a(random() % 3000);
        for (auto& byte : a) byte = static_cast<uint8_t>(random());
        auto b = a;
        // Runs of every length, some reaching the end, some a whole piece long.
        for (std::size_t at = random() % 20; at < b.size(); at += 1 + random() % 60) {
            const std::size_t length = 1 + random() % (random() % 4 == 0 ? 200 : 6);
            for (std::size_t i = at; i < std::min(b.size(), at + length); ++i) b[i] ^= static_cast<uint8_t>(1 + random() % 255);
            at += length;
        }
        DifferenceScanner scanner;
        for (std::size_t done = 0; done < a.size();) {
            const std::size_t count = std::min<std::size_t>(a.size() - done, random() % 3 == 0 ? 1 : random() % 150);
            scanner.scan(a.data() + done, b.data() + done, count);
            done += count;
        }
        EXPECT_EQ(scanner.takeRuns(), RunsByteByByte(a, b));
    }
}

}  // namespace
}  // namespace zarvo
