#include "core/document_bytes.h"

#include <new>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace zarvo {

namespace {

constexpr std::size_t kHugePage = DocumentBytes::kHugePageSize;

[[nodiscard]] std::size_t RoundUp(std::size_t size, std::size_t unit) { return (size + unit - 1) / unit * unit; }

// An anonymous private mapping of length bytes starting on a 2 MiB boundary: a larger
// range is mapped and the ends that stick out are given back.
[[nodiscard]] uint8_t* MapHugeAligned(std::size_t length)
{
    const std::size_t padded = length + kHugePage;
    void* address = mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<uintptr_t>(address);
    const uintptr_t aligned = RoundUp(start, kHugePage);
    if (aligned > start) munmap(address, aligned - start);
    const uintptr_t end = aligned + length;
    if (start + padded > end) munmap(reinterpret_cast<void*>(end), start + padded - end);
    // Asked before the first byte is touched, so that the pages faulted in are 2 MiB
    // ones; a kernel without them simply keeps small pages.
    (void)madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<uint8_t*>(aligned);
}

[[nodiscard]] uint8_t* MapSmall(std::size_t length)
{
    void* address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return address == MAP_FAILED ? nullptr : static_cast<uint8_t*>(address);
}

}  // namespace

DocumentBytes::~DocumentBytes() { release(); }

DocumentBytes::DocumentBytes(DocumentBytes&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      reserved_(std::exchange(other.reserved_, 0))
{}

DocumentBytes& DocumentBytes::operator=(DocumentBytes&& other) noexcept
{
    if (this != &other) {
        release();
        bytes_ = std::exchange(other.bytes_, nullptr);
        size_ = std::exchange(other.size_, 0);
        reserved_ = std::exchange(other.reserved_, 0);
    }
    return *this;
}

std::optional<DocumentBytes> DocumentBytes::Allocate(std::size_t size, Filling filling)
{
    DocumentBytes bytes;
    if (size == 0) return bytes;
    const bool huge = filling == Filling::Whole && size >= kHugePage;
    const std::size_t length = RoundUp(size, huge ? kHugePage : static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
    if (length < size) return std::nullopt;  // the rounding overflowed
    bytes.bytes_ = huge ? MapHugeAligned(length) : MapSmall(length);
    if (bytes.bytes_ == nullptr) return std::nullopt;
    bytes.size_ = size;
    bytes.reserved_ = length;
    return bytes;
}

DocumentBytes DocumentBytes::Owned(std::size_t size)
{
    std::optional<DocumentBytes> bytes = Allocate(size);
    if (!bytes) throw std::bad_alloc();
    return std::move(*bytes);
}

void DocumentBytes::release()
{
    if (bytes_ != nullptr) munmap(bytes_, reserved_);
    bytes_ = nullptr;
    size_ = 0;
    reserved_ = 0;
}

}  // namespace zarvo
