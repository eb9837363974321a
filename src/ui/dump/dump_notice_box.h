#pragma once
// What a dump, insertion, fill or bookmark tells the user, shown as the box its kind
// names; an empty notice shows nothing.

#include "dump/dump_notice.h"
#include "ui/common/prompter.h"
#include "ui/common/qt_text.h"

namespace zarvo {

inline void ShowDumpNotice(Prompter& prompter, const DumpNotice& notice)
{
    if (notice.empty()) return;
    switch (notice.kind) {
    case DumpNoticeKind::Plain:
        prompter.showMessage(Text(notice.text));
        return;
    case DumpNoticeKind::Stop:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::Stop);
        return;
    case DumpNoticeKind::Exclamation:
        prompter.showMessageBox(Text(notice.text), Text(notice.caption), MessageIcon::Exclamation);
        return;
    }
}

}  // namespace zarvo
