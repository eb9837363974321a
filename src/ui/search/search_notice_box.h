#pragma once
// What a search tells the user, shown as the box its kind names.

#include "search/search_notice.h"
#include "ui/common/prompter.h"
#include "ui/common/qt_text.h"

namespace zarvo {

inline void ShowSearchNotice(Prompter& prompter, const SearchNotice& notice)
{
    switch (notice.kind) {
    case SearchNoticeKind::Plain:
        prompter.showMessage(Text(notice.text));
        return;
    case SearchNoticeKind::Captioned:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::None);
        return;
    case SearchNoticeKind::Exclamation:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::Exclamation);
        return;
    }
}

}  // namespace zarvo
