#include "core/byte_pieces.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

namespace {

// The length of every piece but the last: room for more than the overlap, so that
// each piece brings new bytes.
[[nodiscard]] int64_t PieceLength(std::size_t pieceBytes, int32_t overlap)
{
    return std::max<int64_t>(static_cast<int64_t>(std::min<std::size_t>(pieceBytes, INT32_MAX)),
                             2 * int64_t{std::max(overlap, 0)} + 1);
}

}  // namespace

MemoryPieces::MemoryPieces(std::span<const uint8_t> bytes, std::size_t pieceBytes)
    : bytes_(bytes.first(std::min<std::size_t>(bytes.size(), INT32_MAX))),
      pieceBytes_(pieceBytes)
{}

int32_t MemoryPieces::size() const { return static_cast<int32_t>(bytes_.size()); }

bool MemoryPieces::forEachPiece(int32_t from, int32_t to, int32_t overlap, const PieceVisitor& visit)
{
    const int64_t length = PieceLength(pieceBytes_, overlap);
    const int64_t step = length - std::max(overlap, 0);
    const int64_t end = std::min(to, size());
    for (int64_t start = std::max(from, 0); start < end; start += step) {
        const int64_t pieceEnd = std::min(start + length, end);
        const auto piece = bytes_.subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(pieceEnd - start));
        if (!visit(piece, static_cast<int32_t>(start)) || pieceEnd == end) break;
    }
    return true;
}

FilePieces::FilePieces(InputFile& file, int32_t size, std::size_t pieceBytes)
    : file_(file),
      size_(std::max(size, 0)),
      pieceBytes_(pieceBytes)
{}

bool FilePieces::forEachPiece(int32_t from, int32_t to, int32_t overlap, const PieceVisitor& visit)
{
    from = std::max(from, 0);
    to = std::min(to, size_);
    overlap = std::max(overlap, 0);
    if (from >= to) return true;
    // Room for the bytes carried over from the last piece, then the new bytes, which
    // start at their file offset's place within a cache line.
    constexpr int64_t kLine = 64;
    const int64_t room = (overlap + kLine - 1) / kLine * kLine;
    const auto fresh = static_cast<int64_t>(std::clamp<std::size_t>(pieceBytes_, 1, INT32_MAX));
    const auto wanted = static_cast<std::size_t>(room + kLine + fresh);
    if (buffer_.size() < wanted) buffer_ = DocumentBytes::Owned(wanted);
    const int64_t fileEnd = file_.size();
    const uint8_t* lastEnd = nullptr;
    int64_t carried = 0;
    for (int64_t next = from; next < to;) {
        const int64_t count = std::min(fresh, int64_t{to} - next);
        uint8_t* const start = buffer_.data() + room + next % kLine;
        if (carried > 0) std::memmove(start - carried, lastEnd - carried, static_cast<std::size_t>(carried));
        const int64_t fromFile = std::clamp<int64_t>(fileEnd - next, 0, count);
        if (fromFile > 0 && !file_.readAt(next, start, static_cast<std::size_t>(fromFile))) return false;
        // Past the file's end the buffer the editor would hold is zero.
        std::memset(start + fromFile, 0, static_cast<std::size_t>(count - fromFile));
        const std::span<const uint8_t> piece(start - carried, static_cast<std::size_t>(carried + count));
        if (!visit(piece, static_cast<int32_t>(next - carried))) return true;
        next += count;
        lastEnd = start + count;
        carried = std::min<int64_t>(overlap, carried + count);
    }
    return true;
}

}  // namespace zarvo
