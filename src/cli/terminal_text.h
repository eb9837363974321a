#pragma once
// Texts that come from a file the user did not write (a table's entries, its label
// names) are shown on a terminal with their control bytes as '.', so that a table
// cannot send escape sequences to it. Into a pipe or a file they stay as they are.

#include <ostream>
#include <string>

namespace zarvo::cli {

// Every byte below 0x20 and 0x7F from index from on becomes '.'.
void HideControlBytes(std::string& text, std::size_t from = 0);

// True when stream is the program's standard error and that is a terminal.
[[nodiscard]] bool IsTerminalErrorStream(const std::ostream& stream);

// text as it may be written to stream: control bytes hidden on a terminal.
[[nodiscard]] std::string ShownOn(const std::ostream& stream, std::string text);

}  // namespace zarvo::cli
