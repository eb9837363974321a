#pragma once
// Where a script's #ADDTBL finds its table file and how it is read: a relative path
// beside the script first, then in the current folder (where translation projects run
// their inserter from); in our table format, or in the script inserters' own dialect.

#include "script/script_insertion.h"

#include <string>

namespace zarvo {

[[nodiscard]] ScriptTableReader TableReaderBeside(const std::string& scriptPath, bool atlasTables);

// The path a script written to scriptPath names its table file by: relative to the
// script's folder when both lie on one tree (#ADDTBL looks beside the script first),
// else the table's path as given.
[[nodiscard]] std::string TablePathForScript(const std::string& tablePath, const std::string& scriptPath);

}  // namespace zarvo
