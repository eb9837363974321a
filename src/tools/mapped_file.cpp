#include "tools/mapped_file.h"

#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zarvo {

MappedFile::~MappedFile() { release(); }

MappedFile::MappedFile(MappedFile&& other) noexcept { *this = std::move(other); }

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept
{
    if (this != &other) {
        release();
        bytes_ = std::exchange(other.bytes_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, false);
    }
    return *this;
}

MapError MappedFile::open(const std::string& path)
{
    release();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return MapError::CannotOpen;
    struct stat info {};
    MapError result = MapError::None;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = MapError::CannotOpen;
    } else if (info.st_size > INT32_MAX) {
        result = MapError::TooLarge;
    } else if (info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        // The whole file is read in one pass by every user, so its pages are mapped
        // at once rather than one fault at a time.
        void* address = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (address == MAP_FAILED) {
            result = MapError::CannotMap;
        } else {
            bytes_ = static_cast<const uint8_t*>(address);
            size_ = size;
            mapped_ = true;
        }
    }
    ::close(fd);
    return result;
}

void MappedFile::release()
{
    if (mapped_) munmap(const_cast<uint8_t*>(bytes_), size_);
    bytes_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

}  // namespace zarvo
