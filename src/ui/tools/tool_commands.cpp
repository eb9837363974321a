#include "ui/tools/tool_commands.h"

#include "core/document.h"
#include "core/session.h"
#include "tools/checksum_repair.h"
#include "tools/ips_document.h"
#include "tools/tool_messages.h"
#include "ui/common/background_task.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/tools/bps_commands.h"
#include "ui/tools/patch_creation.h"
#include "ui/tools/tcomp_form.h"
#include "ui/tools/texpander.h"
#include "ui/tools/tsnes2hex.h"

#include <QAction>
#include <QMenu>

namespace zarvo {

ToolCommands::ToolCommands(Session& session, Prompter& prompter, CurrentDocument& documents,
                           std::function<void()> saveActive, QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      saveActive_(std::move(saveActive))
{
    Snes2Hex = new TSnes2Hex(session_, prompter_, documents_, dialogParent);
    CompForm = new TCompForm(session_, prompter_, documents_, dialogParent);
    Expander = new TExpander(session_.view, prompter_, documents_, dialogParent);
    bpsCommands_ = new BpsCommands(session_, prompter_, documents_, dialogParent);
}

void ToolCommands::AddMenuItems(QMenu& tools, EditorItems& editorItems)
{
    QAction* IPSMake1 = AddMenuAction(&tools, "IPSMake1", tr("&Create an IPS File"), QKeySequence(Qt::Key_F5),
                                      tr("Create an IPS file"));
    QAction* Patch1 = AddMenuAction(&tools, "Patch1", tr("&Patch Current File"), QKeySequence(Qt::Key_F6),
                                    tr("Patch the current File"));
    // The item's tag is the worker's flag.
    IPSMake1->setData(0);
    Patch1->setData(1);
    bpsCommands_->AddMenuItems(tools, editorItems);
    tools.addSeparator();
    QAction* SnesToHex1 = AddMenuAction(&tools, "SnesToHex1", tr("Snes To &Hex"), QKeySequence(tr("Ctrl+E")),
                                        tr("Convert Snes Addresses To Hex"));
    QAction* Checksum1 = AddMenuAction(&tools, "Checksum1", tr("&Repair SNES Checksum"), QKeySequence(tr("Ctrl+P")),
                                       tr("Repair the checksum in a SNES file"));
    QAction* ExpandROM1 = AddMenuAction(&tools, "ExpandROM1", tr("&Increase / Decrease ROM Size "),
                                        QKeySequence(tr("Ctrl+N")), tr("Change a ROM's file size"));
    QAction* CompFiles = AddMenuAction(&tools, "CompFiles", tr("C&ompare Files"), QKeySequence(tr("Ctrl+C")),
                                       tr("Compare two files byte by byte"));
    for (QAction* item : {IPSMake1, Patch1}) {
        connect(item, &QAction::triggered, this, [this, item] { _IpsSub(item->data().toInt()); });
    }
    connect(SnesToHex1, &QAction::triggered, this, &ToolCommands::SnesToHex1Click);
    connect(Checksum1, &QAction::triggered, this, &ToolCommands::Checksum1Click);
    connect(ExpandROM1, &QAction::triggered, this, &ToolCommands::ExpandROM1Click);
    connect(CompFiles, &QAction::triggered, this, &ToolCommands::CompFilesClick);
    editorItems.insert(editorItems.end(), {IPSMake1, Patch1, Checksum1, ExpandROM1});
}

void ToolCommands::_IpsSub(int flag)
{
    const std::shared_ptr<DocRecord> active = documents_.document();
    if (active == nullptr) return;
    if (flag == 0) {
        CreatePatchFromChosenFile(session_, prompter_, documents_, qobject_cast<QWidget*>(parent()),
                                  Text(messages::kIpsCreatorCaption), &CreatePatchForDocument);
        return;
    }
    if (prompter_.askYesNo(Text(messages::kIpsSaveFirstQuestion), Text(messages::kIpsPatcherCaption),
                           MessageIcon::Question)) {
        saveActive_();
    }
    const std::optional<QString> patch =
        prompter_.chooseOpenFile(Text(messages::kIpsChoosePatchTitle), ChooserSuggestion(session_, active.get(), "ips"),
                                 ChooserFilter(messages::kIpsChoosePatchFilter));
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (!patch || patch->isEmpty() || doc == nullptr) return;
    const Notice notice = PatchDocumentFromFile(*doc, ToPath(*patch), session_.view);
    // Shown behind the message already.
    documents_.repaint(*doc);
    ShowNotice(prompter_, notice);
}

void ToolCommands::SnesToHex1Click() { Snes2Hex->exec(); }

void ToolCommands::Checksum1Click()
{
    if (documents_.document() == nullptr) return;
    if (!prompter_.askYesNo(Text(messages::kChecksumQuestion), Text(messages::kChecksumCaption), MessageIcon::None)) {
        return;
    }
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const ChecksumReport report = InspectDocumentChecksum(*doc);
    if (report.refusal != ChecksumRefusal::None) {
        prompter_.showMessage(Text(ChecksumRefusalText(report.refusal)));
        return;
    }
    if (!report.repairNeeded) {
        prompter_.showMessage(Text(messages::kChecksumNotNeeded));
        return;
    }
    if (!prompter_.askYesNo(Text(ChecksumQuestionText(report)), Text(messages::kChecksumRepairCaption),
                            MessageIcon::None)) {
        prompter_.showMessage(Text(messages::kChecksumNotRepaired));
        return;
    }
    RepairDocumentChecksum(*doc, report);
    documents_.repaint(*doc);
    prompter_.showMessage(Text(messages::kChecksumRepaired));
}

void ToolCommands::ExpandROM1Click()
{
    if (documents_.document() == nullptr) return;
    Expander->exec();
}

void ToolCommands::CompFilesClick()
{
    CompForm->show();
    CompForm->raise();
    CompForm->activateWindow();
}

}  // namespace zarvo
