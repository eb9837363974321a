#pragma once
// Patches written out by hand for the IPS tests, and pairs of files to patch.

#include <cstdint>
#include <string>
#include <vector>

namespace zarvo::testing {

// Builds the expected bytes of a patch record by record.
class PatchBytes {
public:
    PatchBytes() : bytes_{'P', 'A', 'T', 'C', 'H'} {}

    PatchBytes& data(uint32_t offset, const std::vector<uint8_t>& content)
    {
        put(offset, 3);
        put(static_cast<uint32_t>(content.size()), 2);
        bytes_.insert(bytes_.end(), content.begin(), content.end());
        return *this;
    }
    PatchBytes& run(uint32_t offset, uint32_t length, uint8_t value)
    {
        put(offset, 3);
        put(0, 2);
        put(length, 2);
        bytes_.push_back(value);
        return *this;
    }
    PatchBytes& end()
    {
        bytes_.insert(bytes_.end(), {'E', 'O', 'F'});
        return *this;
    }
    PatchBytes& cutTo(uint32_t size)
    {
        put(size, 3);
        return *this;
    }
    PatchBytes& raw(const std::vector<uint8_t>& more)
    {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
        return *this;
    }
    [[nodiscard]] const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    void put(uint32_t value, int count)
    {
        for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) bytes_.push_back(static_cast<uint8_t>(value >> shift));
    }
    std::vector<uint8_t> bytes_;
};

inline std::vector<uint8_t> Repeated(std::size_t count, uint8_t value) { return std::vector<uint8_t>(count, value); }

}  // namespace zarvo::testing
