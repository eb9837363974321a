#include "tools/byte_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zarvo {
namespace {

// Against a byte-by-byte scan, from every start and alignment, over sequences whose
// differences are sparse, dense, and everywhere.
TEST(ByteScan, FindsTheSamePlacesAsAByteByByteScan)
{
    std::mt19937 random(7);
    for (const int percentDiffering : {1, 30, 90, 100}) {
        std::vector<uint8_t> a(300);
        std::vector<uint8_t> b(300);
        for (std::size_t i = 0; i < a.size(); ++i) {
            a[i] = static_cast<uint8_t>(random());
            // Differences that clear the high bit too, which a careless word test misses.
            b[i] = static_cast<int>(random() % 100) < percentDiffering ? static_cast<uint8_t>(a[i] ^ (1 + random() % 255))
                                                                       : a[i];
        }
        for (std::size_t from = 0; from < 40; ++from) {
            for (const std::size_t end : {from, from + 1, from + 7, from + 8, from + 33, a.size()}) {
                std::size_t difference = from;
                while (difference < end && a[difference] == b[difference]) ++difference;
                std::size_t agreement = from;
                while (agreement < end && a[agreement] != b[agreement]) ++agreement;
                EXPECT_EQ(NextDifference(a.data(), b.data(), from, end), difference) << from << " " << end;
                EXPECT_EQ(NextAgreement(a.data(), b.data(), from, end), agreement) << from << " " << end;
            }
        }
    }
}

}  // namespace
}  // namespace zarvo
