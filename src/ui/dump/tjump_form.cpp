#include "ui/dump/tjump_form.h"

#include "core/shift_jis_line.h"
#include "dump/dump_messages.h"
#include "dump/goto_offset.h"
#include "ui/common/qt_text.h"
#include "ui/dump/typed_key_filter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <vector>

namespace zarvo {

namespace {

constexpr int kClientWidth = 290;
constexpr int kClientHeight = 102;
constexpr int kBookmarkNameLength = 20;
constexpr int kAnyLength = 32767;  // a line edit's own limit

[[nodiscard]] bool IsEnter(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

TJumpForm::TJumpForm(Session& session, const Cp932Codec& codec, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      codec_(codec)
{
    setObjectName(QStringLiteral("JumpForm"));
    setWindowTitle(Text(messages::kGotoCaption));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
}

void TJumpForm::CreateControls()
{
    GroupBox1 = new QGroupBox(Text(messages::kFilePositionFrame), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 2, 164, 48);
    jmptxt = new QLineEdit(GroupBox1);
    jmptxt->setObjectName(QStringLiteral("jmptxt"));
    jmptxt->setGeometry(8, 20, 148, 22);

    GroupBox2 = new QGroupBox(Text(messages::kJumpListFrame), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(4, 52, 164, 48);
    jmpbox = new QComboBox(GroupBox2);
    jmpbox->setObjectName(QStringLiteral("jmpbox"));
    jmpbox->setEditable(false);
    jmpbox->setFont(QFont(QStringLiteral("Arial")));
    jmpbox->setGeometry(8, 20, 148, 22);

    RadioGroup1 = new QGroupBox(Text(messages::kValueFormatFrame), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(172, 2, 114, 62);
    Hexdecimal = new QRadioButton(Text(messages::kHexadecimalButton), RadioGroup1);
    Hexdecimal->setObjectName(QStringLiteral("Hexdecimal"));
    Hexdecimal->setGeometry(8, 18, 102, 18);
    Hexdecimal->setChecked(true);
    Decimal = new QRadioButton(Text(messages::kDecimalButton), RadioGroup1);
    Decimal->setObjectName(QStringLiteral("Decimal"));
    Decimal->setGeometry(8, 38, 102, 18);

    jbut = new QPushButton(Text(messages::kDoneButton), this);
    jbut->setObjectName(QStringLiteral("jbut"));
    jbut->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    jbut->setDefault(true);
    jbut->setGeometry(172, 68, 114, 30);

    jmptxt->installEventFilter(this);
    jmpbox->installEventFilter(this);
    connect(jmpbox, &QComboBox::activated, this, &TJumpForm::jmpboxChange);
    connect(Decimal, &QRadioButton::clicked, this, &TJumpForm::DecimalClick);
    connect(jbut, &QPushButton::clicked, this, &QDialog::accept);
}

void TJumpForm::SetFace(const char* caption, const char* frame, bool typing)
{
    setWindowTitle(Text(caption));
    GroupBox1->setTitle(Text(frame));
    jmptxt->clear();
    jmptxt->setEnabled(typing);
    jmpbox->setEnabled(!typing);
}

void TJumpForm::PrepareGoto() { SetFace(messages::kGotoCaption, messages::kFilePositionFrame, true); }

void TJumpForm::PrepareJumpList()
{
    SetFace(messages::kJumpListCaption, messages::kFilePositionFrame, false);
    Hexdecimal->setChecked(true);
}

void TJumpForm::PrepareBookmark()
{
    SetFace(messages::kBookmarkCaption, messages::kSaveBookmarkFrame, true);
    jmptxt->setMaxLength(kBookmarkNameLength);
}

void TJumpForm::LiftLengthLimit() { jmptxt->setMaxLength(kAnyLength); }

bool TJumpForm::namingBookmark() const { return jmptxt->maxLength() == kBookmarkNameLength; }

std::string TJumpForm::typedText() const { return jmptxt->text().toStdString(); }

std::string TJumpForm::typedName() const { return EncodeTableLine(codec_, jmptxt->text().toStdU16String()); }

bool TJumpForm::hexadecimal() const { return Hexdecimal->isChecked(); }

std::optional<std::string> TJumpForm::pickedEntry() const
{
    const int index = jmpbox->currentIndex();
    const std::vector<std::string>& entries = session_.tables.jumpList;
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return std::nullopt;
    return entries[static_cast<std::size_t>(index)];
}

void TJumpForm::showEvent(QShowEvent* event)
{
    // The list shows the bookmarks of the table loaded last, nothing picked yet.
    jmpbox->clear();
    for (const std::string& entry : session_.tables.jumpList) {
        jmpbox->addItem(QString::fromStdU16String(DecodeTableLine(codec_, entry)));
    }
    jmpbox->setCurrentIndex(-1);
    QDialog::showEvent(event);
    if (jmptxt->isEnabled()) {
        jmptxt->setFocus();
    } else {
        jmpbox->setFocus();
    }
}

void TJumpForm::jmpboxChange() { jmptxt->clear(); }

void TJumpForm::DecimalClick()
{
    if (jmpbox->isEnabled()) Hexdecimal->setChecked(true);
}

void TJumpForm::Cancel()
{
    session_.dump.jumpCancelled = true;
    reject();
}

void TJumpForm::done(int result)
{
    // Left with Esc: nothing typed, nothing picked.
    if (session_.dump.jumpCancelled) {
        jmptxt->clear();
        jmpbox->setCurrentIndex(-1);
        session_.dump.jumpCancelled = false;
    }
    QDialog::done(result);
}

void TJumpForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TJumpForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == jmptxt && jmptxtKeyPress(key)) return true;
        if (watched == jmpbox && jmpboxKeyPress(key)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TJumpForm::answerKeyPress(const QKeyEvent& event)
{
    if (IsEnter(event)) {
        accept();
        return true;
    }
    if (event.key() == Qt::Key_Escape) {
        Cancel();
        return true;
    }
    return false;
}

bool TJumpForm::jmptxtKeyPress(const QKeyEvent& event)
{
    if (answerKeyPress(event)) return true;
    // A bookmark's name takes any character.
    if (namingBookmark()) return false;
    const bool hex = Hexdecimal->isChecked();
    return FilterTypedKey(*jmptxt, event, [hex](char key) { return GotoKeyFilter(key, hex); });
}

bool TJumpForm::jmpboxKeyPress(const QKeyEvent& event)
{
    if (answerKeyPress(event)) return true;
    // Characters would search the list; the arrows still move the pick.
    return TypesCharacter(event);
}

}  // namespace zarvo
