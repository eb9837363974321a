#pragma once
// Splits a table file into the pieces the loader classifies. A line ends in LF or
// CR LF; its content stops at the first NUL byte (binary files read as tables); a
// line longer than kTableLinePiece characters is handed out as several pieces, only
// the last of which ends the line.

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvo {

inline constexpr std::size_t kTableLinePiece = 254;

class TableLineReader {
public:
    // content must outlive the reader.
    explicit TableLineReader(std::string_view content);

    // The next piece, valid until the next call; false at the end of the input.
    [[nodiscard]] bool Next(std::string_view& piece);

private:
    static constexpr int kEnd = -1;

    [[nodiscard]] int Peek(std::size_t ahead = 0) const;
    void Skip(std::size_t count);
    void SkipRestOfLine();
    // Consumes a line end (LF, CR LF, a NUL and what follows it up to LF, or the end
    // of the input) when one comes next; true when it did.
    [[nodiscard]] bool TakeLineEnd();

    std::string_view unread_;
    std::string piece_;
};

}  // namespace zarvo
