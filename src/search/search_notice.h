#pragma once
// What a search tells the user: the kind of box, its caption and its text.

namespace zarvo {

enum class SearchNoticeKind {
    Plain,        // the application's title as caption, an OK button, no icon
    Captioned,    // its own caption, no icon, an OK button
    Exclamation,  // its own caption, the exclamation icon, an OK button
};

struct SearchNotice {
    SearchNoticeKind kind = SearchNoticeKind::Plain;
    const char* caption = nullptr;  // null for a plain message
    const char* text = nullptr;
};

}  // namespace zarvo
