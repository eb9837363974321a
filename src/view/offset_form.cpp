#include "view/offset_form.h"

#include "core/hex_text.h"
#include "core/snes_mapping.h"

#include <array>
#include <string_view>

namespace zarvo {

std::string OffsetText(int32_t offset, OffsetMode mode) { return FormatHex(OffsetShownAs(offset, mode), 8); }

bool OffsetModeFromName(const std::string& name, OffsetMode& mode)
{
    struct Named {
        std::string_view name;
        OffsetMode mode;
    };
    constexpr std::array<Named, 5> kNames = {{
        {"standard", OffsetMode::Standard},
        {"lorom", OffsetMode::LoRomSlow},
        {"lorom-fast", OffsetMode::LoRomFast},
        {"hirom", OffsetMode::HiRom},
        {"memory", OffsetMode::SnesMemory},
    }};
    for (const Named& named : kNames) {
        if (name == named.name) {
            mode = named.mode;
            return true;
        }
    }
    return false;
}

}  // namespace zarvo
