#include "core/file_descriptor.h"

#include <cerrno>
#include <unistd.h>

namespace zarvo {

bool FileDescriptor::close()
{
    if (fd_ < 0) return true;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
}

bool ReadFully(int fd, uint8_t* into, std::size_t count)
{
    while (count > 0) {
        const ssize_t got = ::read(fd, into, count);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        into += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

bool WriteFully(int fd, const uint8_t* from, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(fd, from, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        from += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace zarvo
