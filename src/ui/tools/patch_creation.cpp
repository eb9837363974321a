#include "ui/tools/patch_creation.h"

#include "core/document.h"
#include "core/session.h"
#include "tools/tool_messages.h"
#include "ui/common/background_task.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"

namespace zarvo {

void CreatePatchFromChosenFile(const Session& session, Prompter& prompter, CurrentDocument& documents,
                               QWidget* progressParent, const QString& progressLabel, PatchCreator create)
{
    const std::shared_ptr<DocRecord> active = documents.document();
    if (active == nullptr) return;
    const std::optional<QString> unchanged =
        prompter.chooseOpenFile(Text(messages::kIpsChooseUnchangedTitle), ChooserFolder(session, active.get()),
                                ChooserFilter(messages::kIpsChooseUnchangedFilter));
    const std::shared_ptr<DocRecord> doc = documents.document();
    if (!unchanged || unchanged->isEmpty() || doc == nullptr) return;
    // Reading both files, matching them and writing the patch may take a while; the
    // document is only read meanwhile.
    Notice notice;
    const std::string unchangedPath = ToPath(*unchanged);
    RunWithProgress(progressParent, progressLabel, [&](TaskProgress&) { notice = create(*doc, unchangedPath); });
    ShowNotice(prompter, notice);
}

}  // namespace zarvo
