#pragma once
// What the dump dialog and the Goto dialog remember between key presses: which
// two-press command owns the dump dialog, how many labels of a Dump From List batch
// are still to come, and the Goto dialog's cancel flag.

#include <cstdint>

namespace zarvo {

// The dump dialog's tag. Only one two-press command can be pending at a time.
enum class DumpMode : int32_t {
    Idle = 0,
    BinaryStarted = 1,  // F11 took the start offset
    TextStarted = 2,    // F10 took the start offset
    LabelStarted = 3,   // F2 took the first offset of a dump label
    FillStarted = 4,    // F4 took the start of a byte fill
    NoFileName = -1,    // a dump found no file name: it stays started, the dialog stays open
    CannotCreate = -2,  // a dump could not write its file: the dialog closes
};

struct DumpState {
    DumpMode mode = DumpMode::Idle;
    int32_t batchRemaining = 0;  // labels still to dump after the current one; 0 outside a batch
    bool jumpCancelled = false;  // the Goto dialog was left with Esc
};

}  // namespace zarvo
