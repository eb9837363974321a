#pragma once
// What the script and pointer commands keep between their uses: the pointer form
// last used (kept in the settings file too), how script tables are read, and the
// pointer table the Dump Script dialog showed last.

#include <cstdint>
#include <string>

namespace zarvo {

inline constexpr int32_t kMaxPointerStep = 1 << 20;

// A pointer form as plain data; the script logic turns it into its PointerForm.
struct PointerSettings {
    std::string machine = "LINEAR";  // LINEAR, LOROM00, LOROM80, HIROM, GB or GBA
    int32_t bits = 16;               // 16, 24 or 32
    int64_t offset = 0;              // subtracted from the machine's address; may be negative
    int64_t header = 0;              // bytes in front of the ROM's first byte
    bool bigEndian = false;
    int32_t step = 0;       // bytes from one pointer table slot to the next; 0: the pointer's size
    bool everyForm = true;  // Find Pointers looks for every usual form, not only this one
};

struct ScriptState {
    bool atlasTables = false;  // scripts' tables are in the script inserters' own dialect
    PointerSettings pointers;
    int64_t pointerTable = 0;  // Dump Script: the first slot's file offset
    int32_t count = 1;         // Dump Script: slots
};

}  // namespace zarvo
