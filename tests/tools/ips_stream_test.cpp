#include "tools/ips_stream.h"

#include "support/temp_folder.h"
#include "tools/ips_test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

using testing::PatchBytes;
using testing::ReadBytes;
using testing::TempFolder;

class CollectingSink final : public PatchedFileSink {
public:
    bool bytes(const uint8_t* from, std::size_t count) override
    {
        collected.insert(collected.end(), from, from + count);
        return true;
    }
    bool fill(uint8_t value, std::size_t count) override
    {
        collected.insert(collected.end(), count, value);
        return true;
    }
    std::vector<uint8_t> collected;
};

// Records in increasing order with gaps, runs, empty runs anywhere, records past the
// original's end and sometimes a size to cut to: streamed as applied in memory.
TEST(IpsStream, StreamsTheSameBytesAsApplyingInMemory)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::vector<uint8_t> original(random() % 20000);
        for (auto& b : original) b = static_cast<uint8_t>(random());
        PatchBytes patch;
        for (uint32_t offset = random() % 50, records = random() % 30; records > 0; --records) {
            const uint32_t length = 1 + random() % 300;
            if (random() % 4 == 0) {
                patch.run(offset, length, static_cast<uint8_t>(random()));
            } else {
                patch.data(offset, std::vector<uint8_t>(length, static_cast<uint8_t>(random())));
            }
            if (random() % 4 == 0) patch.run(random() % 100000, 0, 1);
            offset += length + random() % (random() % 2 == 0 ? 10 : 3000);
        }
        patch.end();
        if (random() % 3 == 0) patch.cutTo(random() % (original.size() + 5000));

        ASSERT_TRUE(IpsRecordsInOrder(patch.bytes()));
        const IpsApplication applied = ApplyIps(patch.bytes(), original);
        ASSERT_EQ(applied.error, IpsError::None);
        CollectingSink sink;
        const int32_t size = CheckIps(patch.bytes(), static_cast<int32_t>(original.size())).resultSize;
        ASSERT_TRUE(StreamIps(patch.bytes(), original, size, sink));
        EXPECT_TRUE(sink.collected == applied.result);
    }
}

TEST(IpsStream, PatchedFileOnDisk)
{
    TempFolder folder;
    const std::vector<uint8_t> original = {1, 2, 3, 4, 5, 6};
    const auto path = folder.file("out.bin");
    ASSERT_EQ(WritePatchedFile(original, PatchBytes().data(1, {9}).run(8, 2, 7).end().bytes(), path), IpsError::None);
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 9, 3, 4, 5, 6, 0, 0, 7, 7}));
    // Records going back over earlier ones: the later one wins, as in memory.
    ASSERT_EQ(WritePatchedFile(original, PatchBytes().data(2, {9, 9, 9}).data(1, {8, 8}).end().bytes(), path),
              IpsError::None);
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 8, 8, 9, 9, 6}));

    const auto untouched = folder.file("untouched.bin");
    EXPECT_EQ(WritePatchedFile(original, PatchBytes().data(1, {9}).raw({0, 0}).bytes(), untouched),
              IpsError::Truncated);
    EXPECT_EQ(WritePatchedFile(original, std::vector<uint8_t>{'I', 'P', 'S'}, untouched), IpsError::NotAPatch);
    EXPECT_FALSE(std::filesystem::exists(untouched));
}

}  // namespace
}  // namespace zarvo
