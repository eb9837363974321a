#pragma once
// A long run of bytes looked at a piece at a time: a document's buffer, or an input
// file read piece by piece into one reused buffer, which stays in the cache and
// costs the same memory whatever the file's size. Pieces overlap by as many bytes
// as a match may reach past a piece's end, so that a scan of each piece finds every
// match once.

#include "core/input_file.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace zarvo {

// A piece and the offset of its first byte; false stops the walk.
using PieceVisitor = std::function<bool(std::span<const uint8_t> piece, int32_t offset)>;

// Pieces of about this many bytes keep a piece and the work on it in the cache.
inline constexpr std::size_t kPieceBytes = std::size_t{128} << 10;

class BytePieces {
public:
    virtual ~BytePieces() = default;

    // The bytes are [0, size()).
    [[nodiscard]] virtual int32_t size() const = 0;
    // Hands the bytes [from, to) (clipped to [0, size())) to visit in ascending
    // pieces; each piece after the first begins with the last overlap bytes of the
    // one before, so any overlap + 1 bytes in a row lie whole in some piece. Stops
    // when visit returns false. False only when the bytes could not be read.
    [[nodiscard]] virtual bool forEachPiece(int32_t from, int32_t to, int32_t overlap, const PieceVisitor& visit) = 0;
};

// Bytes in memory, handed over in place.
class MemoryPieces final : public BytePieces {
public:
    explicit MemoryPieces(std::span<const uint8_t> bytes, std::size_t pieceBytes = kPieceBytes);

    [[nodiscard]] int32_t size() const override;
    [[nodiscard]] bool forEachPiece(int32_t from, int32_t to, int32_t overlap, const PieceVisitor& visit) override;

private:
    std::span<const uint8_t> bytes_;
    std::size_t pieceBytes_;
};

// An open input file as the editor addresses it: the file's bytes, then zeros up to
// size (the 65,535 bytes a short file's buffer has), read with pread into one reused
// buffer. A file that ends before the size it had when opened is a read failure.
// Each read lands at the same offset within a cache line as it has in the file and
// the overlap is copied over, not read again: the kernel's copy into a destination
// that is out of step with the file's pages is several times slower on some
// processors.
class FilePieces final : public BytePieces {
public:
    FilePieces(InputFile& file, int32_t size, std::size_t pieceBytes = kPieceBytes);

    [[nodiscard]] int32_t size() const override { return size_; }
    [[nodiscard]] bool forEachPiece(int32_t from, int32_t to, int32_t overlap, const PieceVisitor& visit) override;

private:
    InputFile& file_;
    int32_t size_;
    std::size_t pieceBytes_;
    DocumentBytes buffer_;  // page-aligned, made on the first read
};

}  // namespace zarvo
