#include "ui/tools/bps_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "tools/bps_document.h"
#include "tools/tool_messages.h"
#include "ui/common/background_task.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/tools/patch_creation.h"

#include <QAction>
#include <QMenu>

namespace zarvo {

BpsCommands::BpsCommands(Session& session, Prompter& prompter, CurrentDocument& documents, QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      dialogParent_(dialogParent)
{}

void BpsCommands::AddMenuItems(QMenu& tools, EditorItems& editorItems)
{
    // No shortcuts: the function keys and Ctrl letters near them are taken.
    QAction* BPSMake1 = AddMenuAction(&tools, "BPSMake1", tr("Create a &BPS File"), {}, tr("Create a BPS file"));
    QAction* BPSPatch1 = AddMenuAction(&tools, "BPSPatch1", tr("&Apply a BPS / UPS Patch..."), {},
                                       tr("Apply a BPS or UPS patch to the current File"));
    connect(BPSMake1, &QAction::triggered, this, &BpsCommands::BPSMake1Click);
    connect(BPSPatch1, &QAction::triggered, this, &BpsCommands::BPSPatch1Click);
    editorItems.insert(editorItems.end(), {BPSMake1, BPSPatch1});
}

void BpsCommands::BPSMake1Click()
{
    CreatePatchFromChosenFile(session_, prompter_, documents_, dialogParent_, Text(messages::kBpsCreatorCaption),
                              &CreateBpsForDocument);
}

void BpsCommands::BPSPatch1Click()
{
    const std::shared_ptr<DocRecord> active = documents_.document();
    if (active == nullptr) return;
    const std::optional<QString> patch =
        prompter_.chooseOpenFile(Text(messages::kIpsChoosePatchTitle), ChooserSuggestion(session_, active.get(), "bps"),
                                 ChooserFilter(messages::kBpsChoosePatchFilter));
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (!patch || patch->isEmpty() || doc == nullptr) return;
    // Reading and checking a large patch runs on a worker thread that only reads the
    // document; the document changes here, where its window paints.
    PatchedContent patched;
    const std::string patchPath = ToPath(*patch);
    RunWithProgress(dialogParent_, Text(messages::kBpsPatcherCaption),
                    [&](TaskProgress&) { patched = PatchContent(*doc, patchPath); });
    const Notice notice = TakePatchedContent(*doc, patched, session_.view);
    // Shown behind the message already.
    documents_.repaint(*doc);
    ShowNotice(prompter_, notice);
}

}  // namespace zarvo
