#include "cli/terminal_text.h"

#include <iostream>
#include <unistd.h>

namespace zarvo::cli {

void HideControlBytes(std::string& text, std::size_t from)
{
    for (std::size_t at = from; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x20 || byte == 0x7F) text[at] = '.';
    }
}

bool IsTerminalErrorStream(const std::ostream& stream)
{
    return &stream == &std::cerr && isatty(STDERR_FILENO) == 1;
}

std::string ShownOn(const std::ostream& stream, std::string text)
{
    if (IsTerminalErrorStream(stream)) HideControlBytes(text);
    return text;
}

}  // namespace zarvo::cli
