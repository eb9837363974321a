#pragma once
// Writing the script of a pointer table: the commands that read the table and name the
// pointers, then the block from the lowest string to the end of the highest, string by
// string in address order. Each string is preceded by a comment naming its slots and a
// #WRITE for every slot that points at it (a slot pointing into a string gets its
// #WRITE at that place); <LINE> ends a script line, <END> a string and an empty line.
// Bytes no string covers, bytes no token reads as, and tokens whose text would be
// read back otherwise (colliding texts, a line that would begin with '#' or "//") are
// written as raw escapes, so that inserting the script gives the very same bytes.

#include "script/pointer_form.h"
#include "script/script_table.h"

#include <cstdint>
#include <span>
#include <string>

namespace zarvo {

struct ScriptDumpRequest {
    int64_t pointerTable = 0;  // file offset of slot 0
    int32_t count = 0;         // slots
    int64_t stride = 0;        // bytes from one slot to the next; 0: the pointer's size
    PointerForm form;
    std::string tablePath;  // as #ADDTBL names it
    std::string romName;    // for the first comment
};

struct ScriptDump {
    std::string error;  // empty when the script was made
    std::string script;
    int32_t strings = 0;
    int32_t skippedSlots = 0;  // slots that point outside the file
};

[[nodiscard]] ScriptDump DumpScript(std::span<const uint8_t> file, const ScriptTable& table,
                                    const ScriptDumpRequest& request);

}  // namespace zarvo
