#include "ui/dump/tdump_form.h"

#include "core/document.h"
#include "core/document_file.h"
#include "core/shift_jis_line.h"
#include "dump/dump_messages.h"
#include "dump/goto_offset.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/dump/typed_key_filter.h"

#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace zarvo {

namespace {

constexpr int kClientWidth = 400;
constexpr int kClientHeight = 76;
constexpr int kNameLength = 260;
constexpr int kOffsetLength = 8;
const QColor kDisabledBoxColour(128, 128, 128);  // the boxes binary insertion does not use

QLabel* AddLabel(QWidget* parent, const char* objectName, const char* caption, const QRect& place)
{
    auto* label = new QLabel(Text(caption), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(place);
    return label;
}

QLineEdit* AddBox(QWidget* parent, const char* objectName, int maxLength, const QRect& place)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setMaxLength(maxLength);
    box->setGeometry(place);
    return box;
}

}  // namespace

TDumpForm::TDumpForm(Session& session, Prompter& prompter, CurrentDocument& documents, const Cp932Codec& codec,
                     std::function<void(DocRecord&)> tableReloaded, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      codec_(codec),
      tableReloaded_(std::move(tableReloaded)),
      dumpWriter_(this)
{
    setObjectName(QStringLiteral("DumpForm"));
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    EndOfsChange();
}

void TDumpForm::CreateControls()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    StaticText1 = AddLabel(Panel1, "StaticText1", messages::kEnterFileName, QRect(8, 4, 210, 16));
    DFile = AddBox(Panel1, "DFile", kNameLength, QRect(8, 22, 210, 22));
    StaticText2 = AddLabel(Panel1, "StaticText2", messages::kStartOffsetLabel, QRect(226, 4, 80, 16));
    BegOfs = AddBox(Panel1, "BegOfs", kOffsetLength, QRect(226, 22, 80, 22));
    StaticText3 = AddLabel(Panel1, "StaticText3", messages::kEndingOffsetLabel, QRect(312, 4, 86, 16));
    EndOfs = AddBox(Panel1, "EndOfs", kOffsetLength, QRect(312, 22, 80, 22));
    Button1 = new QPushButton(Text(messages::kDoneButton), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    // Enter belongs to the boxes' own rules, never to a default button.
    Button1->setAutoDefault(false);
    Button1->setGeometry(312, 48, 80, 24);

    for (QLineEdit* box : {DFile, BegOfs, EndOfs}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, &TDumpForm::EndOfsChange);
    }
    connect(Button1, &QPushButton::clicked, this, &TDumpForm::Button1Click);
}

DumpFields TDumpForm::fields() const
{
    DumpFields fields;
    // A dump label's name goes into the table file; a dump's name is a path, and a
    // relative one lies in the folder of the file last chosen to open.
    const DumpMode mode = session_.dump.mode;
    if (mode == DumpMode::LabelStarted) {
        fields.fileName = EncodeTableLine(codec_, DFile->text().toStdU16String());
    } else if (mode == DumpMode::TextStarted || mode == DumpMode::BinaryStarted) {
        fields.fileName = PathInFolder(session_.openFolder, ToPath(DFile->text()));
    } else {
        fields.fileName = ToPath(DFile->text());
    }
    fields.start = BegOfs->text().toStdString();
    fields.end = EndOfs->text().toStdString();
    return fields;
}

void TDumpForm::SetBox(QLineEdit& box, const std::string& value, const std::string& shown)
{
    // A box is rewritten only when the command changed it, so what the user typed
    // stays exactly as typed.
    if (value == shown) return;
    if (&box != DFile) {
        box.setText(Text(value));
    } else if (session_.dump.mode == DumpMode::LabelStarted) {
        box.setText(QString::fromStdU16String(DecodeTableLine(codec_, value)));
    } else {
        box.setText(FromPath(value));
    }
}

void TDumpForm::ShowOutcome(const DialogOutcome& outcome, const DumpFields& fields, DocRecord* doc)
{
    const DumpFields shown = this->fields();
    SetBox(*DFile, fields.fileName, shown.fileName);
    SetBox(*BegOfs, fields.start, shown.start);
    SetBox(*EndOfs, fields.end, shown.end);
    if (outcome.caption != nullptr) setWindowTitle(Text(outcome.caption));
    if (outcome.fieldLabel != nullptr) StaticText1->setText(Text(outcome.fieldLabel));
    if (outcome.buttonCaption != nullptr) Button1->setText(Text(outcome.buttonCaption));
    switch (outcome.show) {
    case DialogShow::Keep:
        break;
    case DialogShow::ShowModeless:
        if (!isVisible()) {
            // The editor keeps the keyboard: the user moves its cursor to the range's end.
            setAttribute(Qt::WA_ShowWithoutActivating, true);
            show();
            setAttribute(Qt::WA_ShowWithoutActivating, false);
        }
        ReturnKeyboardToEditor();
        break;
    case DialogShow::Close:
        hide();
        break;
    }
    if (doc != nullptr && outcome.tableReloaded) {
        tableReloaded_(*doc);
    } else if (doc != nullptr && outcome.modified) {
        documents_.repaint(*doc);
    }
    ShowNotice(prompter_, outcome.notice);
    if (outcome.focusFileName && isVisible()) {
        raise();
        activateWindow();
        DFile->setFocus();
    }
}

void TDumpForm::ReturnKeyboardToEditor()
{
    // The frame gives the keyboard back to its focused widget, the editor window.
    if (QWidget* frame = parentWidget(); frame != nullptr) frame->window()->activateWindow();
}

void TDumpForm::Button1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    DumpFields edited = fields();
    const DialogOutcome outcome =
        PressDone(session_.dump, edited, DialogCursorOffset(*doc, session_.view.bytesPerRow), *doc, session_.tables,
                  dumpWriter_.output());
    ShowOutcome(outcome, edited, doc.get());
}

void TDumpForm::EndOfsChange()
{
    if (insertion_) return;
    Button1->setEnabled(DoneEnabled(fields()));
}

bool TDumpForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* box : {DFile, BegOfs, EndOfs}) {
            if (watched == box && BoxKeyPress(*box, *static_cast<QKeyEvent*>(event))) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TDumpForm::BoxKeyPress(QLineEdit& box, const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Escape: {
        DumpFields emptied = fields();
        ShowOutcome(PressEscape(session_.dump, emptied), emptied, nullptr);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (&box == DFile) {
            Button1Click();
        } else if (&box == BegOfs && !EndOfs->isEnabled()) {
            accept();  // the insertion's start is taken
        }
        return true;
    default:
        break;
    }
    if (&box == DFile) return false;
    return FilterTypedKey(box, event, OffsetBoxKeyFilter);
}

void TDumpForm::hideEvent(QHideEvent* event)
{
    // A frame minimised hides its dialogs for a while; that ends nothing.
    if (!event->spontaneous()) {
        const DialogOutcome closed = CloseDumpDialog(session_.dump);
        Button1->setText(Text(closed.buttonCaption));
    }
    QDialog::hideEvent(event);
}

void TDumpForm::SetInsertionFace(bool insertion)
{
    for (QLineEdit* unused : {EndOfs, DFile}) {
        unused->setEnabled(!insertion);
        QPalette palette;  // empty: the box takes the window's colours again
        if (insertion) palette.setColor(QPalette::Disabled, QPalette::Base, kDisabledBoxColour);
        unused->setPalette(palette);
    }
    if (insertion) {
        Button1->setEnabled(false);
    } else {
        EndOfsChange();
    }
}

std::string TDumpForm::AskInsertionStart(const std::string& startText)
{
    const QString remembered = windowTitle();
    StaticText1->setText(Text(messages::kEnterFileName));
    DFile->clear();
    EndOfs->clear();
    BegOfs->setText(Text(startText));
    insertion_ = true;
    SetInsertionFace(true);
    setWindowTitle(Text(messages::kInsertCaption));
    BegOfs->setFocus();
    exec();
    insertion_ = false;
    SetInsertionFace(false);
    setWindowTitle(remembered);
    return BegOfs->text().toStdString();
}

void TDumpForm::EmptyOffsets()
{
    BegOfs->clear();
    EndOfs->clear();
}

}  // namespace zarvo
