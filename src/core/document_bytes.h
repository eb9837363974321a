#pragma once
// Bytes held in the program's own memory: a private anonymous allocation, zero-filled
// when it is made. A file read into it is a copy, so nothing another program does to
// the file (truncating it, writing into it) can change the bytes or fault on them.
// Large buffers are 2 MiB-aligned with transparent huge pages requested, which makes
// reading a large file into them several times faster than into fresh 4 KiB pages.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zarvo {

class DocumentBytes {
public:
    DocumentBytes() = default;
    ~DocumentBytes();
    DocumentBytes(DocumentBytes&& other) noexcept;
    DocumentBytes& operator=(DocumentBytes&& other) noexcept;
    DocumentBytes(const DocumentBytes&) = delete;
    DocumentBytes& operator=(const DocumentBytes&) = delete;

    // size zero bytes; throws std::bad_alloc when the memory cannot be had. A size of
    // 0 gives an empty object.
    [[nodiscard]] static DocumentBytes Owned(std::size_t size);
    // How the bytes will be filled. A buffer read whole gains from huge pages; one of
    // which only a few pieces are read keeps small pages, since every huge page touched
    // is zeroed whole (2 MiB for a 512-byte read).
    enum class Filling { Whole, InPieces };
    static constexpr std::size_t kHugePageSize = std::size_t{2} << 20;
    // The same, with nothing instead of an exception.
    [[nodiscard]] static std::optional<DocumentBytes> Allocate(std::size_t size, Filling filling = Filling::Whole);

    [[nodiscard]] uint8_t* data() { return bytes_; }
    [[nodiscard]] const uint8_t* data() const { return bytes_; }
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] bool empty() const { return bytes_ == nullptr; }

private:
    void release();

    uint8_t* bytes_ = nullptr;
    std::size_t size_ = 0;
    std::size_t reserved_ = 0;  // the length of the allocation, size_ rounded up
};

}  // namespace zarvo
