#pragma once
// What a tool tells the user when it ends: the kind of box, its caption and its text.

#include <string>

namespace zarvo {

enum class NoticeKind {
    Plain,        // the application's title as caption, an OK button, no icon
    Stop,         // its own caption, the stop icon, an OK button
    Exclamation,  // its own caption, the exclamation icon, an OK button
};

struct Notice {
    NoticeKind kind = NoticeKind::Plain;
    std::string caption;  // empty for a plain message
    std::string text;
};

}  // namespace zarvo
