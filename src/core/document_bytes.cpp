#include "core/document_bytes.h"

#include <sys/mman.h>
#include <utility>

namespace zarvo {

DocumentBytes::~DocumentBytes() { release(); }

DocumentBytes::DocumentBytes(DocumentBytes&& other) noexcept { *this = std::move(other); }

DocumentBytes& DocumentBytes::operator=(DocumentBytes&& other) noexcept
{
    if (this != &other) {
        release();
        owned_ = std::move(other.owned_);
        bytes_ = std::exchange(other.bytes_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, false);
        if (!mapped_) bytes_ = owned_.empty() ? nullptr : owned_.data();
    }
    return *this;
}

DocumentBytes DocumentBytes::Owned(std::size_t size)
{
    DocumentBytes bytes;
    bytes.owned_.assign(size, 0);
    bytes.bytes_ = bytes.owned_.empty() ? nullptr : bytes.owned_.data();
    bytes.size_ = size;
    return bytes;
}

std::optional<DocumentBytes> DocumentBytes::MapPrivate(int fd, std::size_t size)
{
    if (size == 0) return std::nullopt;
    // Private: writes stay in this process and never reach the file; the file on
    // disk changes only through Save, which writes a new file and renames it.
    void* address = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
    if (address == MAP_FAILED) return std::nullopt;
    DocumentBytes bytes;
    bytes.bytes_ = static_cast<uint8_t*>(address);
    bytes.size_ = size;
    bytes.mapped_ = true;
    return bytes;
}

void DocumentBytes::release()
{
    if (mapped_ && bytes_ != nullptr) munmap(bytes_, size_);
    owned_.clear();
    owned_.shrink_to_fit();
    bytes_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

}  // namespace zarvo
