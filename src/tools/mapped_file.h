#pragma once
// A whole file mapped read-only, for the tools that read files the user names (the
// unchanged file of a patch, a patch, the two files of a compare). Pages are read
// from the cache when first touched; nothing is copied.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarvo {

enum class MapError {
    None,
    CannotOpen,  // missing, unreadable, or not a regular file
    TooLarge,    // 2 GiB or more cannot be addressed with 32-bit offsets
    CannotMap,   // the system refused the mapping (address space or memory)
};

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the file at path, replacing what this object held; on failure it holds
    // nothing. An empty file maps to no bytes without error.
    [[nodiscard]] MapError open(const std::string& path);

    [[nodiscard]] std::span<const uint8_t> bytes() const { return {bytes_, size_}; }
    [[nodiscard]] std::size_t size() const { return size_; }

private:
    void release();

    const uint8_t* bytes_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
};

}  // namespace zarvo
