#pragma once
// The lines of a script file, as the common script inserters of translation projects
// write them. A line whose first character is '#' is a command "#NAME(arg, ...)",
// optionally followed by a "//" comment; a line starting with "//" is a comment; any
// other line is text, and consecutive text lines join (the script's line breaks are
// not written). A UTF-8 byte order mark at the start is skipped, and a line's final
// CR dropped. Arguments are numbers ("$" and hexadecimal digits, "$-A000" negative,
// or decimal), strings in double quotes, or names of letters, digits and '_'.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

struct ScriptArgument {
    enum class Kind { Number, String, Name };
    Kind kind = Kind::Number;
    int64_t number = 0;
    std::string text;  // of a string or a name
};

struct ScriptLine {
    int number = 0;          // counted from 1
    bool command = false;
    std::string name;        // a command's name in upper case
    std::vector<ScriptArgument> arguments;
    std::string text;        // a text line's text
};

struct ScriptReading {
    std::vector<ScriptLine> lines;  // commands and text, comments left out
    int errorLine = 0;              // the first line that is no command it claims to be
    std::string error;              // empty when every line was read
};

[[nodiscard]] ScriptReading ReadScript(std::string_view content);

}  // namespace zarvo
