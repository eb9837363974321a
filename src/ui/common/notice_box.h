#pragma once
// A command's closing notice shown as the box its kind names; an empty one shows nothing.

#include "core/notice.h"
#include "ui/common/prompter.h"
#include "ui/common/qt_text.h"

namespace zarvo {

inline void ShowNotice(Prompter& prompter, const Notice& notice)
{
    if (notice.empty()) return;
    switch (notice.kind) {
    case NoticeKind::Plain:
        prompter.showMessage(Text(notice.text));
        return;
    case NoticeKind::Captioned:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::None);
        return;
    case NoticeKind::Stop:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::Stop);
        return;
    case NoticeKind::Exclamation:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::Exclamation);
        return;
    }
}

}  // namespace zarvo
