#pragma once
// A tool's closing notice shown as the box its kind names.

#include "tools/tool_notice.h"
#include "ui/common/prompter.h"
#include "ui/common/qt_text.h"

namespace zarvo {

inline void ShowNotice(Prompter& prompter, const Notice& notice)
{
    switch (notice.kind) {
    case NoticeKind::Plain:
        prompter.showMessage(Text(notice.text));
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
