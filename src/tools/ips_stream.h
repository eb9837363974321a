#pragma once
// Writing a patched file front to back, straight from the original and the patch,
// without building the result in memory first.

#include "tools/ips.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarvo {

// Receives the patched file in order: stretches of bytes (of the original or of the
// patch) and fills (runs, and zero bytes past the original's end). A false return
// stops the stream.
class PatchedFileSink {
public:
    virtual ~PatchedFileSink() = default;
    virtual bool bytes(const uint8_t* from, std::size_t count) = 0;
    virtual bool fill(uint8_t value, std::size_t count) = 0;
};

// True when every record of the patch begins at or after the end of the one before,
// as patch makers write them, so that the result can be streamed.
[[nodiscard]] bool IpsRecordsInOrder(std::span<const uint8_t> patch);

// Hands the patched file to sink: resultSize bytes, as CheckIps gave them, of a patch
// whose records are in order. False when the sink stopped.
[[nodiscard]] bool StreamIps(std::span<const uint8_t> patch, std::span<const uint8_t> original, int32_t resultSize,
                             PatchedFileSink& sink);

// Applies patch to original and writes the result to path through a temporary file:
// streamed when the records are in order, else built in memory. On every error
// nothing is written.
[[nodiscard]] IpsError WritePatchedFile(std::span<const uint8_t> original, std::span<const uint8_t> patch,
                                        const std::string& path);

}  // namespace zarvo
