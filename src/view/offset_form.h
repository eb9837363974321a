#pragma once
// Offsets as the view shows them: linear, or as SNES LoROM, HiROM and memory addresses.

#include "core/session.h"

#include <cstdint>
#include <string>

namespace zarvo {

// "%08X" of the address the offset shows as (core/snes_mapping.h).
[[nodiscard]] std::string OffsetText(int32_t offset, OffsetMode mode);
// Parses the command-line names standard, lorom, lorom-fast, hirom, memory.
[[nodiscard]] bool OffsetModeFromName(const std::string& name, OffsetMode& mode);

}  // namespace zarvo
