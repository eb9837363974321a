#pragma once
// CRC-32 with the polynomial of zlib and PNG, as BPS and UPS patches record it.

#include <cstdint>
#include <span>

namespace zarvo {

[[nodiscard]] uint32_t Crc32(std::span<const uint8_t> bytes);
// The CRC of the bytes so far, continued over more (start with 0).
[[nodiscard]] uint32_t Crc32Continued(uint32_t crc, std::span<const uint8_t> more);

}  // namespace zarvo
