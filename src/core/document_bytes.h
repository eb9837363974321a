#pragma once
// The memory that holds a document's bytes: either a private copy-on-write mapping
// of the file (pages are read when first touched and copied only when written) or
// an ordinary zero-filled buffer.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zarvo {

class DocumentBytes {
public:
    DocumentBytes() = default;
    ~DocumentBytes();
    DocumentBytes(DocumentBytes&& other) noexcept;
    DocumentBytes& operator=(DocumentBytes&& other) noexcept;
    DocumentBytes(const DocumentBytes&) = delete;
    DocumentBytes& operator=(const DocumentBytes&) = delete;

    // A zero-filled buffer of size bytes.
    [[nodiscard]] static DocumentBytes Owned(std::size_t size);
    // A private writable mapping of the first size bytes of the open file fd
    // (size > 0); nothing when the file cannot be mapped.
    [[nodiscard]] static std::optional<DocumentBytes> MapPrivate(int fd, std::size_t size);

    [[nodiscard]] uint8_t* data() { return bytes_; }
    [[nodiscard]] const uint8_t* data() const { return bytes_; }
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] bool empty() const { return bytes_ == nullptr; }
    [[nodiscard]] bool isMapped() const { return mapped_; }

private:
    void release();

    uint8_t* bytes_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    std::vector<uint8_t> owned_;
};

}  // namespace zarvo
