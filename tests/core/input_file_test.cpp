#include "core/input_file.h"

#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::TempFolder;

TEST(ReadInputFile, HoldsTheFileZeroFilledUpToTheSizeAskedFor)
{
    TempFolder folder;
    for (const std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{5} << 20}) {
        SCOPED_TRACE(size);
        const auto bytes = PatternBytes(size);
        const InputBytes input = ReadInputFile(folder.write("f.bin", bytes), 65535);
        ASSERT_TRUE(input.ok());
        EXPECT_EQ(input.length, static_cast<int32_t>(size));
        ASSERT_GE(input.bytes.size(), std::max<std::size_t>(size, 65535));
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), input.bytes.data()));
        EXPECT_TRUE(std::all_of(input.bytes.data() + size, input.bytes.data() + input.bytes.size(),
                                [](uint8_t b) { return b == 0; }));
    }
}

// What the user is told for each input that cannot be read.
TEST(ReadInputFile, RefusesWithTheReasonAndNeverWaits)
{
    TempFolder folder;
    const auto fifo = folder.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto huge = folder.write("huge.bin", "");
    std::filesystem::resize_file(huge, int64_t{1} << 31);  // sparse: costs no disk
    const auto large = folder.write("large.bin", "");
    std::filesystem::resize_file(large, (int64_t{64} << 20) + 1);
    const struct {
        std::string path;
        int64_t limit;
        InputError error;
        std::string text;
    } cases[] = {
        {folder.file("none"), kLargestInputFile, InputError::CannotOpen,
         "cannot open " + folder.file("none") + ": No such file or directory"},
        {folder.path().string(), kLargestInputFile, InputError::NotRegularFile,
         folder.path().string() + " is not a regular file"},
        {fifo, kLargestInputFile, InputError::NotRegularFile, fifo + " is not a regular file"},
        {"/dev/zero", kLargestInputFile, InputError::NotRegularFile, "/dev/zero is not a regular file"},
        {huge, kLargestInputFile, InputError::TooLarge,
         huge + " is 2 GiB or larger, more than 32-bit offsets can address"},
        {large, int64_t{64} << 20, InputError::TooLarge,
         large + " is larger than 64 MiB, the most read for this kind of file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const InputBytes input = ReadInputFile(c.path, 0, c.limit);
        EXPECT_EQ(input.failure.error, c.error);
        EXPECT_EQ(InputFailureText(input.failure, c.path), c.text);
        EXPECT_TRUE(input.bytes.empty());
    }
    EXPECT_TRUE(ReadInputFile(large).ok());  // the limit is the caller's
}

// The compare reads piece by piece; a file that ends before a piece is an error.
TEST(InputFile, ReadsPiecesUntilTheFileEnds)
{
    TempFolder folder;
    const auto bytes = PatternBytes(10);
    InputFile file(folder.write("f.bin", bytes));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.size(), 10);
    uint8_t piece[8] = {};
    ASSERT_TRUE(file.read(piece, 6));
    EXPECT_EQ(piece[5], bytes[5]);
    EXPECT_FALSE(file.read(piece, 8));
    EXPECT_EQ(file.failure().error, InputError::CannotRead);
    EXPECT_EQ(InputFailureText(file.failure(), "f.bin"), "cannot read f.bin: the file ended early");
}

}  // namespace
}  // namespace zarvo
