#pragma once
// What a dump, insertion or fill tells the user: the kind of box, its caption and
// its finished text. An empty text means nothing is shown.

#include <string>
#include <utility>

namespace zarvo {

enum class DumpNoticeKind {
    Plain,        // the application's title as caption, an OK button, no icon
    Stop,         // its own caption, the stop icon, an OK button
    Exclamation,  // its own caption, the exclamation icon, an OK button
};

struct DumpNotice {
    DumpNoticeKind kind = DumpNoticeKind::Plain;
    std::string caption;  // empty for a plain message
    std::string text;

    [[nodiscard]] bool empty() const { return text.empty(); }
};

[[nodiscard]] inline DumpNotice PlainNotice(std::string text) { return {DumpNoticeKind::Plain, {}, std::move(text)}; }

// pattern with its one "%s" replaced by value (the pattern is ours, never a table's).
[[nodiscard]] std::string FillInText(const char* pattern, const std::string& value);

}  // namespace zarvo
