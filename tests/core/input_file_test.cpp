#include "core/input_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::TempFolder;

// What the user is told for each input that cannot be read.
TEST(ReadInputFile, RefusesWithTheReasonAndNeverWaits)
{
    TempFolder folder;
    const auto fifo = folder.fifo("fifo");
    const auto huge = folder.sparse("huge.bin", int64_t{1} << 31);
    const auto large = folder.sparse("large.bin", (int64_t{64} << 20) + 1);
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

}  // namespace
}  // namespace zarvo
