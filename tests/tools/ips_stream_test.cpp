#include "tools/ips_stream.h"

#include "support/temp_folder.h"
#include "tools/ips_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
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

// A patch of records in increasing order with gaps, runs, empty runs, records past the
// original's end and sometimes a size to cut to.
std::vector<uint8_t> RandomOrderedPatch(std::mt19937& random, std::size_t originalSize)
{
    PatchBytes patch;
    uint32_t offset = static_cast<uint32_t>(random() % 50);
    const int records = static_cast<int>(random() % 30);
    for (int r = 0; r < records; ++r) {
        const uint32_t length = 1 + static_cast<uint32_t>(random() % 300);
        switch (random() % 4) {
        case 0:
            patch.run(offset, length, static_cast<uint8_t>(random()));
            break;
        case 1:
            patch.run(static_cast<uint32_t>(random() % 100000), 0, 1);  // stores nothing, anywhere
            continue;
        default: {
            std::vector<uint8_t> content(length);
            for (auto& b : content) b = static_cast<uint8_t>(random());
            patch.data(offset, content);
        }
        }
        offset += length + static_cast<uint32_t>(random() % (random() % 2 == 0 ? 10 : 3000));
    }
    patch.end();
    if (random() % 3 == 0) patch.cutTo(static_cast<uint32_t>(random() % (originalSize + 5000)));
    return patch.bytes();
}

TEST(IpsStream, StreamsTheSameBytesAsApplyingInMemory)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::vector<uint8_t> original(random() % 20000);
        for (auto& b : original) b = static_cast<uint8_t>(random());
        const auto patch = RandomOrderedPatch(random, original.size());
        ASSERT_TRUE(IpsRecordsInOrder(patch));
        const IpsApplication applied = ApplyIps(patch, original);
        ASSERT_EQ(applied.error, IpsError::None);
        CollectingSink sink;
        ASSERT_TRUE(StreamIps(patch, original, CheckIps(patch, static_cast<int32_t>(original.size())).resultSize, sink));
        EXPECT_TRUE(sink.collected == applied.result);
    }
}

TEST(IpsStream, RecordsGoingBackAreNotInOrder)
{
    EXPECT_TRUE(IpsRecordsInOrder(PatchBytes().data(0, {1, 2}).data(2, {3}).run(9, 0, 0).run(3, 2, 4).end().bytes()));
    EXPECT_FALSE(IpsRecordsInOrder(PatchBytes().data(0, {1, 2}).data(1, {3}).end().bytes()));
    EXPECT_FALSE(IpsRecordsInOrder(PatchBytes().data(5, {1}).run(0, 2, 4).end().bytes()));
}

TEST(IpsStream, PatchedFileOnDisk)
{
    TempFolder folder;
    const std::vector<uint8_t> original = {1, 2, 3, 4, 5, 6};
    const auto path = folder.file("out.bin");

    ASSERT_EQ(WritePatchedFile(original, PatchBytes().data(1, {9}).run(8, 2, 7).end().bytes(), path), IpsError::None);
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 9, 3, 4, 5, 6, 0, 0, 7, 7}));

    // Overlapping records: the later one wins, as in memory.
    ASSERT_EQ(WritePatchedFile(original, PatchBytes().data(2, {9, 9, 9}).data(1, {8, 8}).end().bytes(), path),
              IpsError::None);
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 8, 8, 9, 9, 6}));

    ASSERT_EQ(WritePatchedFile(original, PatchBytes().end().cutTo(0).bytes(), path), IpsError::None);
    EXPECT_TRUE(ReadBytes(path).empty());

    const auto untouched = folder.file("untouched.bin");
    EXPECT_EQ(WritePatchedFile(original, PatchBytes().data(1, {9}).raw({0, 0}).bytes(), untouched),
              IpsError::Truncated);
    EXPECT_EQ(WritePatchedFile(original, std::vector<uint8_t>{'I', 'P', 'S'}, untouched), IpsError::NotAPatch);
    EXPECT_EQ(WritePatchedFile(original, PatchBytes().end().bytes(), folder.file("no/such/folder.bin")),
              IpsError::CannotWriteFile);
    EXPECT_FALSE(std::filesystem::exists(untouched));
}

}  // namespace
}  // namespace zarvo
