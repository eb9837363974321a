#pragma once
// What a command tells the user when it ends: the kind of box, its caption and its
// finished text. An empty text means nothing is shown.

#include <string>

namespace zarvo {

enum class NoticeKind {
    Plain,        // the application's title as caption, an OK button, no icon
    Captioned,    // its own caption, no icon, an OK button
    Stop,         // its own caption, the stop icon, an OK button
    Exclamation,  // its own caption, the exclamation icon, an OK button
};

struct Notice {
    NoticeKind kind = NoticeKind::Plain;
    std::string caption;  // empty for a plain message
    std::string text;

    [[nodiscard]] bool empty() const { return text.empty(); }
};

[[nodiscard]] inline Notice PlainNotice(std::string text) { return {NoticeKind::Plain, {}, std::move(text)}; }

}  // namespace zarvo
