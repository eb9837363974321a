#pragma once
// Patches written out by hand for the IPS tests.

#include <cstdint>
#include <vector>

namespace zarvo::testing {

// Builds the expected bytes of a patch record by record, numbers big-endian.
class PatchBytes {
public:
    PatchBytes& data(uint32_t offset, const std::vector<uint8_t>& content)
    {
        put(offset, 3).put(static_cast<uint32_t>(content.size()), 2);
        return raw(content);
    }
    PatchBytes& run(uint32_t offset, uint32_t length, uint8_t value)
    {
        return put(offset, 3).put(0, 2).put(length, 2).put(value, 1);
    }
    PatchBytes& end() { return raw({'E', 'O', 'F'}); }
    PatchBytes& cutTo(uint32_t size) { return put(size, 3); }
    PatchBytes& raw(const std::vector<uint8_t>& more)
    {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
        return *this;
    }
    [[nodiscard]] const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    PatchBytes& put(uint32_t value, int count)
    {
        for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
            bytes_.push_back(static_cast<uint8_t>(value >> shift));
        return *this;
    }
    std::vector<uint8_t> bytes_{'P', 'A', 'T', 'C', 'H'};
};

inline std::vector<uint8_t> Repeated(std::size_t count, uint8_t value) { return std::vector<uint8_t>(count, value); }

}  // namespace zarvo::testing
