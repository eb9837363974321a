#include "tools/crc32.h"

#include <libdeflate.h>

namespace zarvo {

uint32_t Crc32(std::span<const uint8_t> bytes) { return Crc32Continued(0, bytes); }

uint32_t Crc32Continued(uint32_t crc, std::span<const uint8_t> more)
{
    // libdeflate folds the bytes with carry-less multiplication where the processor has it.
    return libdeflate_crc32(crc, more.data(), more.size());
}

}  // namespace zarvo
