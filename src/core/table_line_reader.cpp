#include "core/table_line_reader.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

namespace {

[[nodiscard]] bool EndsContent(char c) { return c == '\n' || c == '\r' || c == '\0'; }

}  // namespace

TableLineReader::TableLineReader(std::string_view content) : unread_(content) { piece_.reserve(kTableLinePiece); }

int TableLineReader::Peek(std::size_t ahead) const
{
    if (unread_.size() <= ahead) return kEnd;
    return static_cast<unsigned char>(unread_[ahead]);
}

void TableLineReader::Skip(std::size_t count) { unread_.remove_prefix(std::min(count, unread_.size())); }

void TableLineReader::SkipRestOfLine()
{
    const std::size_t newline = unread_.find('\n');
    Skip(newline == std::string_view::npos ? unread_.size() : newline + 1);
}

bool TableLineReader::TakeLineEnd()
{
    const int next = Peek();
    if (next == kEnd) return true;
    if (next == '\n') {
        Skip(1);
        return true;
    }
    if (next == '\0') {
        SkipRestOfLine();
        return true;
    }
    if (next == '\r') {
        // A CR counts only as part of a line end: right before LF, NUL or the end.
        const int after = Peek(1);
        if (after == kEnd || after == '\n' || after == '\0') {
            Skip(1);
            return TakeLineEnd();
        }
    }
    return false;
}

bool TableLineReader::Next(std::string_view& piece)
{
    piece_.clear();
    if (Peek() == kEnd) return false;
    while (true) {
        if (TakeLineEnd()) break;
        if (piece_.size() == kTableLinePiece) break;  // the line goes on in the next piece
        // Copy the run of ordinary characters in one go.
        const std::size_t room = kTableLinePiece - piece_.size();
        const std::size_t limit = std::min(room, unread_.size());
        std::size_t run = 0;
        while (run < limit && !EndsContent(unread_[run])) ++run;
        if (run == 0) {
            // A CR inside the line is an ordinary character.
            run = 1;
        }
        piece_.append(unread_.substr(0, run));
        Skip(run);
    }
    piece = piece_;
    return true;
}

}  // namespace zarvo
