// The frame's side of the ROM and patch tools: the two IPS commands through
// _IpsSub, the checksum repair, and the commands that show the SNES address
// converter, the size dialog and the compare window, which are created once here.

#include "tools/checksum_repair.h"
#include "tools/ips_document.h"
#include "tools/tool_messages.h"
#include "ui/common/chooser_filter.h"
#include "ui/editor/mdi_child.h"
#include "ui/frame/zarvo_form.h"
#include "ui/tools/tcomp_form.h"
#include "ui/tools/texpander.h"
#include "ui/tools/tsnes2hex.h"

#include <QAction>
#include <QFile>

namespace zarvo {

namespace {

QString Text(const char* text) { return QString::fromUtf8(text); }
QString Text(const std::string& text) { return QString::fromStdString(text); }

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

void ShowNotice(Prompter& prompter, const Notice& notice)
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

}  // namespace

void TZarvoForm::CreateToolWindows()
{
    const EditorSource source = [this] { return activeEditorWithData(); };
    Snes2Hex = new TSnes2Hex(session_.view, prompter_, source, this);
    CompForm = new TCompForm(session_, prompter_, source, this);
    Expander = new TExpander(session_.view, prompter_, source, this);
}

void TZarvoForm::IPSMake1Click(const QAction* item) { _IpsSub(item->data().toInt()); }

void TZarvoForm::_IpsSub(int flag)
{
    TMDIChild* editor = activeEditorWithData();
    if (editor == nullptr) return;
    const QString directory = FromPath(session_.currentDirectory);
    if (flag == 0) {
        const std::optional<QString> unchanged = prompter_.chooseOpenFile(
            Text(messages::kIpsChooseUnchangedTitle), directory, ChooserFilter(messages::kIpsChooseUnchangedFilter));
        if (!unchanged || unchanged->isEmpty()) return;
        ShowNotice(prompter_, CreatePatchForDocument(editor->document(), ToPath(*unchanged)));
        return;
    }
    if (prompter_.askYesNo(Text(messages::kIpsSaveFirstQuestion), Text(messages::kIpsPatcherCaption),
                           MessageIcon::Question)) {
        SaveFile1Click();
    }
    const std::optional<QString> patch = prompter_.chooseOpenFile(Text(messages::kIpsChoosePatchTitle), directory,
                                                                  ChooserFilter(messages::kIpsChoosePatchFilter));
    if (!patch || patch->isEmpty()) return;
    const Notice notice = PatchDocumentFromFile(editor->document(), ToPath(*patch), session_.view);
    // Shown behind the message already.
    editor->FormPaint();
    ShowNotice(prompter_, notice);
}

void TZarvoForm::SnesToHex1Click() { Snes2Hex->exec(); }

void TZarvoForm::Checksum1Click()
{
    TMDIChild* editor = activeEditorWithData();
    if (editor == nullptr) return;
    if (!prompter_.askYesNo(Text(messages::kChecksumQuestion), Text(messages::kChecksumCaption), MessageIcon::None)) {
        return;
    }
    DocRecord& doc = editor->document();
    const ChecksumReport report = InspectDocumentChecksum(doc);
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
    RepairDocumentChecksum(doc, report);
    editor->FormPaint();
    prompter_.showMessage(Text(messages::kChecksumRepaired));
}

void TZarvoForm::ExpandROM1Click()
{
    if (activeEditorWithData() == nullptr) return;
    Expander->exec();
}

void TZarvoForm::CompFilesClick()
{
    CompForm->show();
    CompForm->raise();
    CompForm->activateWindow();
}

}  // namespace zarvo
