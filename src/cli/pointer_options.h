#pragma once
// The pointer-form options of the script and pointer commands: --map FORM, --bits N,
// --offset [-]HEX, --header HEX, --big-endian.

#include "cli/arguments.h"
#include "script/pointer_form.h"

#include <optional>
#include <string>

namespace zarvo::cli {

inline constexpr const char* kPointerOptionsHelp =
    "  --map FORM     linear (the default), lorom00 (or lorom), lorom80, hirom, gb or gba\n"
    "  --bits N       16, 24 or 32; 16 for linear and gb, 32 for gba, 24 for the SNES forms\n"
    "  --offset [-]HEX  subtracted from the machine's address ($-A000 adds A000)\n"
    "  --header HEX   bytes in front of the ROM's first byte\n"
    "  --big-endian   pointers are stored high byte first\n";

// The form the options name; nothing, with the reason in error, for a bad one. The
// machine is nothing when --map is not given.
struct PointerOptions {
    PointerForm form;
    bool machineGiven = false;
};
[[nodiscard]] std::optional<PointerOptions> ReadPointerOptions(const ParsedArguments& parsed, std::string& error);

}  // namespace zarvo::cli
