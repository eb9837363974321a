#pragma once
// Gathers the many small texts of a dump into large writes to a file. After a write
// has failed, everything further is dropped and failed() stays true.

#include "core/document_file.h"

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace zarvo {

class BufferedOutput {
public:
    // Texts of up to kShortText bytes may be written from a buffer that has kShortText
    // readable bytes at the text, which lets them be copied with one fixed-size copy.
    static constexpr std::size_t kShortText = 16;

    explicit BufferedOutput(const ByteSink& sink, std::size_t capacity = 256 * 1024);

    void write(std::string_view text)
    {
        if (text.size() <= room()) {
            std::memcpy(cursor_, text.data(), text.size());
            cursor_ += text.size();
            return;
        }
        writeLong(text);
    }
    void write(char c)
    {
        if (room() == 0) flush();
        *cursor_++ = c;
    }
    // count <= kShortText bytes of a text that has kShortText readable bytes.
    void writeShort(const char* padded, std::size_t count)
    {
        if (room() < kShortText) flush();
        std::memcpy(cursor_, padded, kShortText);
        cursor_ += count;
    }

    // For loops that copy short texts themselves: the next free byte, and the last
    // place at which kShortText bytes may still be copied without a flush.
    [[nodiscard]] char* cursor() const { return cursor_; }
    [[nodiscard]] const char* shortTextLimit() const { return limit_ - kShortText; }
    void advanceTo(char* cursor) { cursor_ = cursor; }

    // Hands what is gathered to the sink; false once any write has failed.
    bool flush();
    [[nodiscard]] bool failed() const { return failed_; }

private:
    [[nodiscard]] std::size_t room() const { return static_cast<std::size_t>(limit_ - cursor_); }
    void writeLong(std::string_view text);

    const ByteSink& sink_;
    std::vector<char> buffer_;
    char* cursor_;
    char* limit_;  // writeShort may copy past it into the slack behind it
    bool failed_ = false;
};

}  // namespace zarvo
