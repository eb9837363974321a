#pragma once
// The SNES address converter: file offsets to and from Lo-ROM, Hi-ROM, work memory
// and video memory addresses, with a copier header and the $80 bank base as options.
// Memory and video memory addresses count from offsets in a ZSNES savestate.

#include "core/snes_converter_state.h"
#include "core/snes_mapping.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

struct SnesConversion {
    bool ok = false;
    uint32_t value = 0;             // the other field's value when ok
    const char* message = nullptr;  // why the input was refused otherwise
};

// Converts value in the state's mapping and direction. Inputs the converter refuses,
// and results that cannot be an address (a bank above $FF, an offset below 0), give
// a message instead.
[[nodiscard]] SnesConversion ConvertSnesAddress(const SnesConverterState& state, uint32_t value);

// A field's text as the converter reads it: leading blanks skipped, hexadecimal up to
// the first other character; an empty or unreadable text is 0.
[[nodiscard]] uint32_t ReadConverterField(std::string_view text);
// A result as the converter writes it: at least six upper-case digits.
[[nodiscard]] std::string ConverterFieldText(uint32_t value);

struct SnesMappingCaptions {
    const char* button;  // the caption of the convert button
    const char* label;   // the savestate base shown beside the fields
};
[[nodiscard]] SnesMappingCaptions CaptionsFor(SnesMapping mapping);

// Where Goto Offset puts the cursor for the left field's offset: an offset past the
// document moves back by one page, and the result stays within the document.
[[nodiscard]] int32_t ConverterGotoTarget(uint32_t offset, int32_t viewSize, int32_t pageBytes);

}  // namespace zarvo
