#pragma once
// An open file descriptor that closes itself, and reads and writes that carry on
// after short transfers and interrupted calls.

#include <cstddef>
#include <cstdint>

namespace zarvo {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    // False when closing reported an error (a late write failure on some file systems).
    bool close();

private:
    int fd_;
};

// Reads exactly count bytes; false when the file ends before them or cannot be read.
[[nodiscard]] bool ReadFully(int fd, uint8_t* into, std::size_t count);
// Writes exactly count bytes; false on any error.
[[nodiscard]] bool WriteFully(int fd, const uint8_t* from, std::size_t count);

}  // namespace zarvo
