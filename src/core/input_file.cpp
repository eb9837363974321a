#include "core/input_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo {

namespace {

constexpr int64_t kMiB = int64_t{1} << 20;

std::string SizeLimitText(const InputFailure& failure, std::string_view path)
{
    std::string text(path);
    if (failure.sizeLimit >= kLargestInputFile) {
        return text + " is 2 GiB or larger, more than 32-bit offsets can address";
    }
    const int64_t limit = failure.sizeLimit;
    const std::string amount =
        limit % kMiB == 0 ? std::to_string(limit / kMiB) + " MiB" : std::to_string(limit) + " bytes";
    return text + " is larger than " + amount + ", the most read for this kind of file";
}

}  // namespace

std::string InputFailureText(const InputFailure& failure, std::string_view path)
{
    const std::string where(path);
    switch (failure.error) {
    case InputError::None:
        break;
    case InputError::CannotOpen:
        return "cannot open " + where + ": " + std::strerror(failure.systemError);
    case InputError::NotRegularFile:
        return where + " is not a regular file";
    case InputError::TooLarge:
        return SizeLimitText(failure, path);
    case InputError::CannotRead:
        return "cannot read " + where + ": " +
               (failure.systemError != 0 ? std::strerror(failure.systemError) : "the file ended early");
    case InputError::OutOfMemory:
        return "not enough memory to hold " + where;
    }
    return {};
}

InputFile::InputFile(const std::string& path, int64_t sizeLimit)
{
    failure_.sizeLimit = std::min(sizeLimit, kLargestInputFile);
    (void)open(path);
}

bool InputFile::open(const std::string& path)
{
    // Looked at before it is opened: opening a device or a FIFO can itself wait or
    // have effects.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return fail(InputError::CannotOpen, errno);
    if (!S_ISREG(info.st_mode)) return fail(InputError::NotRegularFile, 0);

    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return fail(InputError::CannotOpen, errno);
    // What was opened is looked at again: the name may have been given to another
    // file in between.
    if (fstat(fd_, &info) != 0) return fail(InputError::CannotOpen, errno);
    if (!S_ISREG(info.st_mode)) return fail(InputError::NotRegularFile, 0);
    if (info.st_size > failure_.sizeLimit) return fail(InputError::TooLarge, 0);
    // Reads of a regular file ignore O_NONBLOCK, but a network or user-space file
    // system may not: from here on the file is read as usual.
    const int flags = fcntl(fd_, F_GETFL);
    if (flags >= 0) (void)fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    size_ = static_cast<int32_t>(info.st_size);
    return true;
}

InputFile::~InputFile()
{
    if (fd_ >= 0) ::close(fd_);
}

bool InputFile::fail(InputError error, int systemError)
{
    failure_.error = error;
    failure_.systemError = systemError;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
    return false;
}

int64_t InputFile::readUpTo(uint8_t* into, std::size_t count)
{
    if (fd_ < 0) return -1;
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd_, into + done, count - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            fail(InputError::CannotRead, errno);
            return -1;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<int64_t>(done);
}

bool InputFile::read(uint8_t* into, std::size_t count)
{
    const int64_t got = readUpTo(into, count);
    if (got < 0) return false;
    return static_cast<std::size_t>(got) == count || fail(InputError::CannotRead, 0);
}

bool InputFile::readAt(int64_t offset, uint8_t* into, std::size_t count)
{
    if (fd_ < 0) return false;
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, into + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fail(InputError::CannotRead, errno);
        // The file was cut short since it was opened.
        if (got == 0) return fail(InputError::CannotRead, 0);
        done += static_cast<std::size_t>(got);
    }
    return true;
}

InputBytes ReadInputFile(const std::string& path, std::size_t minimumSize, int64_t sizeLimit)
{
    InputBytes input;
    InputFile file(path, sizeLimit);
    if (!file.isOpen()) {
        input.failure = file.failure();
        return input;
    }
    const auto size = static_cast<std::size_t>(file.size());
    std::optional<DocumentBytes> bytes = DocumentBytes::Allocate(std::max(size, minimumSize));
    if (!bytes) {
        input.failure = file.failure();
        input.failure.error = InputError::OutOfMemory;
        return input;
    }
    // The size taken at opening is all that is read: bytes a writer appends later are
    // not the file that was asked for, and the buffer has no room for them.
    const int64_t got = file.readUpTo(bytes->data(), size);
    if (got < 0) {
        input.failure = file.failure();
        return input;
    }
    input.bytes = std::move(*bytes);
    input.length = static_cast<int32_t>(got);
    return input;
}

}  // namespace zarvo
