#pragma once
// BPS and UPS written out plainly from the formats' description, apart from the
// product's code: a bit-by-bit CRC-32, a reader that applies a BPS patch, and a writer
// of UPS patches. The tests check the product's patches and readers against them.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zarvo::testing {

inline uint32_t ModelCrc32(std::span<const uint8_t> bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (const uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

inline void ModelPutNumber(std::vector<uint8_t>& out, uint64_t value)
{
    for (;;) {
        const uint8_t low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | low);
            return;
        }
        out.push_back(low);
        --value;
    }
}

inline void ModelPutCrc(std::vector<uint8_t>& out, uint32_t crc)
{
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(crc >> shift));
}

// The patch's target, or nothing when any rule of the format is broken.
inline std::optional<std::vector<uint8_t>> ModelApplyBps(const std::vector<uint8_t>& patch,
                                                         const std::vector<uint8_t>& source)
{
    if (patch.size() < 19 || std::string(patch.begin(), patch.begin() + 4) != "BPS1") return std::nullopt;
    std::size_t at = 4;
    const std::size_t end = patch.size() - 12;
    bool ok = true;
    const auto number = [&] {
        uint64_t data = 0, shift = 1;
        for (;;) {
            if (at >= end || shift > (uint64_t{1} << 56)) {
                ok = false;
                return uint64_t{0};
            }
            const uint8_t x = patch[at++];
            data += (x & 0x7F) * shift;
            if (x & 0x80) return data;
            shift <<= 7;
            data += shift;
        }
    };
    const uint64_t sourceSize = number(), targetSize = number(), metadataSize = number();
    if (!ok || sourceSize != source.size() || metadataSize > end - at) return std::nullopt;
    at += metadataSize;
    std::vector<uint8_t> target;
    int64_t sourceRelative = 0, targetRelative = 0;
    while (at < end) {
        const uint64_t n = number();
        const uint64_t length = (n >> 2) + 1;
        if (!ok || target.size() + length > targetSize) return std::nullopt;
        for (uint64_t i = 0; i < length; ++i) {
            const std::size_t output = target.size();
            if ((n & 3) == 0) {
                if (output >= source.size()) return std::nullopt;
                target.push_back(source[output]);
            } else if ((n & 3) == 1) {
                if (at >= end) return std::nullopt;
                target.push_back(patch[at++]);
            } else {
                if (i == 0) {
                    const uint64_t d = number();
                    if (!ok) return std::nullopt;
                    const int64_t move = (d & 1) ? -static_cast<int64_t>(d >> 1) : static_cast<int64_t>(d >> 1);
                    ((n & 3) == 2 ? sourceRelative : targetRelative) += move;
                }
                if ((n & 3) == 2) {
                    if (sourceRelative < 0 || sourceRelative >= static_cast<int64_t>(source.size())) return std::nullopt;
                    target.push_back(source[static_cast<std::size_t>(sourceRelative++)]);
                } else {
                    if (targetRelative < 0 || targetRelative >= static_cast<int64_t>(output)) return std::nullopt;
                    target.push_back(target[static_cast<std::size_t>(targetRelative++)]);
                }
            }
        }
    }
    const auto crcAt = [&](std::size_t from) {
        return static_cast<uint32_t>(patch[from] | patch[from + 1] << 8 | patch[from + 2] << 16) |
               static_cast<uint32_t>(patch[from + 3]) << 24;
    };
    if (target.size() != targetSize || crcAt(end) != ModelCrc32(source) || crcAt(end + 4) != ModelCrc32(target) ||
        crcAt(end + 8) != ModelCrc32(std::span(patch).first(patch.size() - 4))) {
        return std::nullopt;
    }
    return target;
}

// A UPS patch from input to output: each run of differing bytes is a record.
inline std::vector<uint8_t> ModelUps(const std::vector<uint8_t>& input, const std::vector<uint8_t>& output)
{
    std::vector<uint8_t> patch = {'U', 'P', 'S', '1'};
    ModelPutNumber(patch, input.size());
    ModelPutNumber(patch, output.size());
    const auto byteOf = [](const std::vector<uint8_t>& file, std::size_t at) { return at < file.size() ? file[at] : 0; };
    const std::size_t size = std::max(input.size(), output.size());
    std::size_t last = 0;
    for (std::size_t at = 0; at < size;) {
        if (byteOf(input, at) == byteOf(output, at)) {
            ++at;
            continue;
        }
        ModelPutNumber(patch, at - last);
        for (; at < size && byteOf(input, at) != byteOf(output, at); ++at) {
            patch.push_back(byteOf(input, at) ^ byteOf(output, at));
        }
        patch.push_back(0);
        last = ++at;
    }
    ModelPutCrc(patch, ModelCrc32(input));
    ModelPutCrc(patch, ModelCrc32(output));
    ModelPutCrc(patch, ModelCrc32(patch));
    return patch;
}

}  // namespace zarvo::testing
