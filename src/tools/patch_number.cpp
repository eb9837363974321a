#include "tools/patch_number.h"

namespace zarvo {

void PutPatchNumber(std::vector<uint8_t>& out, uint64_t value)
{
    for (;;) {
        const auto low = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
        if (value == 0) {
            out.push_back(static_cast<uint8_t>(0x80 | low));
            return;
        }
        out.push_back(low);
        --value;
    }
}

void PutSignedPatchNumber(std::vector<uint8_t>& out, int64_t value)
{
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    PutPatchNumber(out, (magnitude << 1) | (value < 0 ? 1 : 0));
}

int PatchNumberLength(uint64_t value)
{
    int length = 1;
    for (value >>= 7; value != 0; value >>= 7) {
        --value;
        ++length;
    }
    return length;
}

bool ReadPatchNumber(std::span<const uint8_t> bytes, std::size_t& at, uint64_t& value)
{
    constexpr uint64_t kLargestShift = uint64_t{1} << 49;
    uint64_t result = 0;
    for (uint64_t shift = 1;; shift <<= 7) {
        if (at >= bytes.size() || shift > kLargestShift) return false;
        const uint8_t byte = bytes[at++];
        result += (byte & 0x7F) * shift;
        if ((byte & 0x80) != 0) break;
        result += shift << 7;
    }
    value = result;
    return true;
}

bool ReadSignedPatchNumber(std::span<const uint8_t> bytes, std::size_t& at, int64_t& value)
{
    uint64_t stored = 0;
    if (!ReadPatchNumber(bytes, at, stored)) return false;
    const auto magnitude = static_cast<int64_t>(stored >> 1);
    value = (stored & 1) != 0 ? -magnitude : magnitude;
    return true;
}

}  // namespace zarvo
