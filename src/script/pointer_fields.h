#pragma once
// The pointer dialog's fields as typed, read into the pointer settings the session
// keeps, and the form those settings name.

#include "core/script_state.h"
#include "script/pointer_form.h"

#include <cstdint>
#include <string>

namespace zarvo {

struct PointerFields {
    std::string machine;  // a name PointerMachineNamed knows
    std::string bits;     // "16", "24" or "32"
    std::string offset;   // hexadecimal, '-' in front when negative
    std::string header;   // hexadecimal
    std::string step;     // decimal; empty or 0: the pointer's size
    std::string start;    // the pointer table's first slot, hexadecimal
    std::string count;    // decimal
    bool bigEndian = false;
    bool everyForm = false;
};

struct PointerFieldsReading {
    PointerSettings settings;
    int64_t start = 0;
    int32_t count = 0;
    const char* error = nullptr;  // the first field that is wrong, told; null when all are right
};

// The fields read; withTable also reads start, count and step (Dump Script), which
// otherwise keep what settings held.
[[nodiscard]] PointerFieldsReading ReadPointerFields(const PointerFields& fields, const PointerSettings& settings,
                                                     bool withTable);
// The fields showing settings and a pointer table.
[[nodiscard]] PointerFields FieldsOf(const PointerSettings& settings, int64_t start, int32_t count);

// The form the settings name; an unknown machine reads as LINEAR.
[[nodiscard]] PointerForm PointerFormOf(const PointerSettings& settings);

}  // namespace zarvo
