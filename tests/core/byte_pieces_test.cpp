#include "core/byte_pieces.h"

#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::TempFolder;

// The walk put back together: each piece's offset and bytes checked against the
// whole, and the bytes that are new in each piece joined. Consecutive pieces must
// share exactly overlap bytes (fewer only when the walk began later than that).
std::vector<uint8_t> Joined(BytePieces& pieces, int32_t from, int32_t to, int32_t overlap,
                            const std::vector<uint8_t>& whole)
{
    std::vector<uint8_t> joined;
    const int64_t start = std::max(from, 0);
    int64_t end = start;
    EXPECT_TRUE(pieces.forEachPiece(from, to, overlap, [&](std::span<const uint8_t> piece, int32_t offset) {
        EXPECT_EQ(offset, std::max(start, end - overlap)) << "a piece begins overlap bytes back";
        EXPECT_TRUE(std::equal(piece.begin(), piece.end(), whole.begin() + offset));
        joined.insert(joined.end(), piece.begin() + (end - offset), piece.end());
        end = offset + static_cast<int64_t>(piece.size());
        return true;
    }));
    return joined;
}

// A file read a piece at a time gives the buffer the editor would hold: its bytes,
// zeros after them up to the size asked for; memory gives its bytes in place.
TEST(BytePieces, PiecesJoinToTheAddressedBytesWithTheirOverlap)
{
    TempFolder folder;
    const std::vector<uint8_t> content = testing::PatternBytes(1000);
    const std::string path = folder.write("rom.bin", content);
    std::vector<uint8_t> whole(1500, 0);  // addressed as 1,500 bytes: zeros past the file's 1,000
    std::copy(content.begin(), content.end(), whole.begin());
    const struct {
        int32_t from, to, overlap;
        std::size_t pieceBytes;
    } cases[] = {
        {0, 1500, 0, 64}, {0, 1500, 3, 100},  {7, 1500, 38, 97},  {990, 1010, 5, 4},
        {0, 999, 14, 1},  {1200, 1500, 2, 7}, {0, 1500, 0, 4096}, {-5, 2000, 1, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.from << ".." << c.to << " overlap " << c.overlap << " pieces of " << c.pieceBytes);
        const std::vector<uint8_t> expected(whole.begin() + std::max(c.from, 0), whole.begin() + std::min(c.to, 1500));
        InputFile file(path);
        FilePieces filePieces(file, 1500, c.pieceBytes);
        EXPECT_EQ(Joined(filePieces, c.from, c.to, c.overlap, whole), expected);
        MemoryPieces memoryPieces(whole, c.pieceBytes);
        EXPECT_EQ(Joined(memoryPieces, c.from, c.to, c.overlap, whole), expected);
    }
}

TEST(BytePieces, AWalkStopsWhenTheVisitorSaysSoAndAFileCutShortFails)
{
    TempFolder folder;
    const std::string path = folder.write("rom.bin", testing::PatternBytes(1000));
    InputFile file(path);
    FilePieces pieces(file, 1000, 100);
    int visited = 0;
    EXPECT_TRUE(pieces.forEachPiece(0, 1000, 0, [&](std::span<const uint8_t>, int32_t) { return ++visited < 3; }));
    EXPECT_EQ(visited, 3);

    std::filesystem::resize_file(path, 500);
    EXPECT_FALSE(pieces.forEachPiece(0, 1000, 0, [](std::span<const uint8_t>, int32_t) { return true; }));
    EXPECT_EQ(InputFailureText(file.failure(), "rom.bin"), "cannot read rom.bin: the file ended early");
}

}  // namespace
}  // namespace zarvo
