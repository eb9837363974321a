#include "cli/standard_output.h"

#include "core/file_descriptor.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zarvo::cli {

DescriptorOutputBuffer::DescriptorOutputBuffer(int fd) : fd_(fd), terminal_(isatty(fd) == 1)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutputBuffer::~DescriptorOutputBuffer() { (void)drain(); }

bool DescriptorOutputBuffer::writeAll(const char* text, std::size_t count)
{
    // After a failure nothing more is written: the output already lacks a part.
    if (systemError_ != 0) return false;
    if (WriteFully(fd_, reinterpret_cast<const uint8_t*>(text), count)) return true;
    systemError_ = errno != 0 ? errno : EIO;
    return false;
}

bool DescriptorOutputBuffer::drain()
{
    const auto pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return pending == 0 || writeAll(buffer_.data(), pending);
}

DescriptorOutputBuffer::int_type DescriptorOutputBuffer::overflow(int_type c)
{
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize DescriptorOutputBuffer::xsputn(const char* text, std::streamsize count)
{
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), text, size);
        pbump(static_cast<int>(count));
        return count;
    }
    // Larger than the room left: what is buffered goes first, then the text itself.
    if (!drain() || !writeAll(text, size)) return 0;
    return count;
}

int DescriptorOutputBuffer::sync() { return drain() ? 0 : -1; }

std::string OutputFailureReason(const std::ostream& out)
{
    const auto* buffer = dynamic_cast<const DescriptorOutputBuffer*>(out.rdbuf());
    if (buffer != nullptr && buffer->systemError() != 0) return std::strerror(buffer->systemError());
    return "the output could not be written";
}

bool WritesToTerminal(const std::ostream& out)
{
    const auto* buffer = dynamic_cast<const DescriptorOutputBuffer*>(out.rdbuf());
    return buffer != nullptr && buffer->isTerminal();
}

}  // namespace zarvo::cli
