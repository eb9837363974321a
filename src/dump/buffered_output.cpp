#include "dump/buffered_output.h"

#include <algorithm>

namespace zarvo {

BufferedOutput::BufferedOutput(const ByteSink& sink, std::size_t capacity)
    : sink_(sink),
      buffer_(std::max(capacity, kShortText) + kShortText)
{
    cursor_ = buffer_.data();
    limit_ = buffer_.data() + (buffer_.size() - kShortText);
}

bool BufferedOutput::flush()
{
    const auto count = static_cast<std::size_t>(cursor_ - buffer_.data());
    cursor_ = buffer_.data();
    if (failed_ || count == 0) return !failed_;
    if (!sink_(reinterpret_cast<const uint8_t*>(buffer_.data()), count)) failed_ = true;
    return !failed_;
}

void BufferedOutput::writeLong(std::string_view text)
{
    while (!text.empty()) {
        if (room() == 0) flush();
        const std::size_t part = std::min(room(), text.size());
        std::memcpy(cursor_, text.data(), part);
        cursor_ += part;
        text.remove_prefix(part);
    }
}

}  // namespace zarvo
