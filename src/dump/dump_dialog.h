#pragma once
// The dump dialog's two-press commands: F10 (text dump), F11 (binary dump), F2
// (dump label) and F4 (byte fill), its Done button, Esc and closing. The first press
// takes the cursor as start and shows the dialog without blocking; the next press
// takes the cursor as end and runs the command. Each function updates the mode and
// the three boxes and says what the window shows.

#include "core/document.h"
#include "core/dump_state.h"
#include "core/table_session.h"
#include "dump/dump_file.h"
#include "dump/dump_notice.h"

#include <cstdint>
#include <string>

namespace zarvo {

enum class DialogShow {
    Keep,          // the dialog stays as it is
    ShowModeless,  // shown without blocking, the keyboard focus back in the editor
    Close,         // hidden; the mode is Idle and the button reads "Dump Data"
};

// What the window applies after a command. Null captions stay as they are.
struct DialogOutcome {
    const char* caption = nullptr;
    const char* fieldLabel = nullptr;  // the label above the name box (StaticText1)
    const char* buttonCaption = nullptr;
    DialogShow show = DialogShow::Keep;
    bool focusFileName = false;
    Notice notice;               // shown after the dialog changes; empty: nothing
    bool modified = false;       // the document's bytes changed: repaint
    bool tableReloaded = false;  // the table was loaded again: refresh the jump list and menus
};

// The cursor position of the dialog's presses: topOffset + cursorRow * bytesPerRow + cursorColumn.
[[nodiscard]] int32_t DialogCursorOffset(const DocRecord& doc, int32_t bytesPerRow);
// "%08X", as the presses write offsets into the boxes.
[[nodiscard]] std::string DialogOffsetText(int32_t offset);

// F10 (Text) or F11 (Binary). Refused while the other dump is pending. A dump that
// runs goes to output.
[[nodiscard]] DialogOutcome PressDumpKey(DumpKind kind, DumpState& state, DumpFields& fields, int32_t cursor,
                                         const DocRecord& doc, const DumpOutput& output = {});
// F2: the first press starts a dump label, the second appends it to the table file.
[[nodiscard]] DialogOutcome PressDumpLabelKey(DumpState& state, DumpFields& fields, int32_t cursor, DocRecord& doc,
                                              TableSession& tables);
// F4. Refused while a dump or dump label is pending.
[[nodiscard]] DialogOutcome PressFillKey(DumpState& state, DumpFields& fields, int32_t cursor, DocRecord& doc);
// The Done button: runs the pending command when all three boxes hold text.
[[nodiscard]] DialogOutcome PressDone(DumpState& state, DumpFields& fields, int32_t cursor, DocRecord& doc,
                                      TableSession& tables, const DumpOutput& output = {});
// Esc in one of the boxes: the pending command ends, the boxes are emptied.
[[nodiscard]] DialogOutcome PressEscape(DumpState& state, DumpFields& fields);
// The close box, Esc on the dialog, or any other close: the pending command ends.
[[nodiscard]] DialogOutcome CloseDumpDialog(DumpState& state);

// The Done button is enabled exactly while all three boxes hold text.
[[nodiscard]] bool DoneEnabled(const DumpFields& fields);

}  // namespace zarvo
