#pragma once
// Splits a table file into the pieces the loader classifies. A line ends in LF or
// CR LF; its content stops at the first NUL byte (binary files read as tables); a
// line longer than kTableLinePiece characters is handed out as several pieces, only
// the last of which ends the line. Reads from memory or streams from an open file,
// so a huge binary file never has to be held whole.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

inline constexpr std::size_t kTableLinePiece = 254;
inline constexpr std::size_t kTableReadBlock = 64 * 1024;

class TableLineReader {
public:
    explicit TableLineReader(std::string_view content);
    // The file stays owned by the caller and must outlive the reader; it is read in
    // blocks of blockSize bytes.
    explicit TableLineReader(std::FILE* file, std::size_t blockSize = kTableReadBlock);

    // The next piece, valid until the next call; false at the end of the input.
    [[nodiscard]] bool Next(std::string_view& piece);
    // A read error stopped the input early.
    [[nodiscard]] bool failed() const { return failed_; }

private:
    static constexpr int kEnd = -1;

    // Makes at least count unread bytes available when the input still has them.
    void Fill(std::size_t count);
    [[nodiscard]] int Peek(std::size_t ahead = 0);
    void Skip(std::size_t count);
    void SkipRestOfLine();
    // Consumes a line end (LF, CR LF, a NUL and what follows it up to LF, or the end
    // of the input) when one comes next; true when it did.
    [[nodiscard]] bool TakeLineEnd();

    std::string_view unread_;
    std::FILE* file_ = nullptr;
    std::size_t blockSize_ = kTableReadBlock;
    std::vector<char> buffer_;
    bool failed_ = false;
    std::string piece_;
};

}  // namespace zarvo
