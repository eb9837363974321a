#include "ui/script/tpointer_form.h"

#include "script/pointer_fields.h"
#include "ui/common/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zarvo {

namespace {

QLineEdit* AddField(QWidget* parent, const char* objectName)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    return field;
}

}  // namespace

TPointerForm::TPointerForm(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session),
      prompter_(prompter)
{
    setObjectName(QStringLiteral("PointerForm"));
    setModal(true);
    CreateControls();
}

void TPointerForm::CreateControls()
{
    FormBox = new QComboBox(this);
    FormBox->setObjectName(QStringLiteral("FormBox"));
    for (const PointerMachine machine : {PointerMachine::Linear, PointerMachine::LoRom00, PointerMachine::LoRom80,
                                         PointerMachine::HiRom, PointerMachine::GameBoy, PointerMachine::Gba}) {
        FormBox->addItem(Text(PointerMachineName(machine)));
    }
    BitsBox = new QComboBox(this);
    BitsBox->setObjectName(QStringLiteral("BitsBox"));
    BitsBox->addItems({QStringLiteral("16"), QStringLiteral("24"), QStringLiteral("32")});
    PointerOffset = AddField(this, "PointerOffset");
    PointerOffset->setToolTip(tr("Subtracted from the machine's address, hexadecimal ($-A000 adds A000)"));
    PointerHeader = AddField(this, "PointerHeader");
    PointerHeader->setToolTip(tr("Bytes in front of the ROM's first byte, hexadecimal"));
    BigEndian = new QCheckBox(tr("&Big-endian (high byte first)"), this);
    BigEndian->setObjectName(QStringLiteral("BigEndian"));
    EveryForm = new QCheckBox(tr("Look for &every usual form"), this);
    EveryForm->setObjectName(QStringLiteral("EveryForm"));

    TableStart = AddField(this, "TableStart");
    SlotCount = AddField(this, "SlotCount");
    SlotStep = AddField(this, "SlotStep");
    SlotStep->setToolTip(tr("Bytes from one slot to the next, decimal; 0: the pointer's size"));
    form_ = new QFormLayout;
    form_->addRow(tr("Pointer &table at (hex):"), TableStart);
    form_->addRow(tr("&Count:"), SlotCount);
    form_->addRow(tr("&Step:"), SlotStep);
    form_->addRow(tr("&Form:"), FormBox);
    form_->addRow(tr("B&its:"), BitsBox);
    form_->addRow(tr("&Offset (hex):"), PointerOffset);
    form_->addRow(tr("&Header (hex):"), PointerHeader);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(BigEndian);
    layout->addWidget(EveryForm);
    layout->addWidget(buttons);

    // Keys go through the fields as they are laid out.
    QWidget* const order[] = {TableStart,    SlotCount,     SlotStep,  FormBox,  BitsBox,
                              PointerOffset, PointerHeader, BigEndian, EveryForm};
    for (std::size_t index = 1; index < std::size(order); ++index) setTabOrder(order[index - 1], order[index]);
    connect(FormBox, &QComboBox::currentIndexChanged, this, &TPointerForm::MachineChange);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPointerForm::OkClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool TPointerForm::Ask(Use use)
{
    use_ = use;
    const ScriptState& script = session_.script;
    const PointerFields fields = FieldsOf(script.pointers, script.pointerTable, script.count);
    {
        const QSignalBlocker quiet(FormBox);
        FormBox->setCurrentText(Text(fields.machine));
    }
    BitsBox->setCurrentText(Text(fields.bits));
    PointerOffset->setText(Text(fields.offset));
    PointerHeader->setText(Text(fields.header));
    BigEndian->setChecked(fields.bigEndian);
    EveryForm->setChecked(fields.everyForm);
    TableStart->setText(Text(fields.start));
    SlotCount->setText(Text(fields.count));
    SlotStep->setText(Text(fields.step));
    const bool dump = use == Use::DumpScript;
    for (QWidget* field : {TableStart, SlotCount, SlotStep}) form_->setRowVisible(field, dump);
    EveryForm->setVisible(!dump);
    setWindowTitle(dump ? tr("Dump Script") : tr("Find Pointers to Cursor"));
    (dump ? TableStart : static_cast<QWidget*>(FormBox))->setFocus();
    adjustSize();
    return exec() == QDialog::Accepted;
}

void TPointerForm::MachineChange()
{
    const auto machine = PointerMachineNamed(ToPath(FormBox->currentText()));
    BitsBox->setCurrentText(QString::number(DefaultPointerBits(machine.value_or(PointerMachine::Linear))));
}

void TPointerForm::OkClick()
{
    PointerFields fields;
    fields.machine = FormBox->currentText().toStdString();
    fields.bits = BitsBox->currentText().toStdString();
    fields.offset = PointerOffset->text().toStdString();
    fields.header = PointerHeader->text().toStdString();
    fields.bigEndian = BigEndian->isChecked();
    fields.everyForm = EveryForm->isChecked();
    fields.start = TableStart->text().toStdString();
    fields.count = SlotCount->text().toStdString();
    fields.step = SlotStep->text().toStdString();
    const bool dump = use_ == Use::DumpScript;
    const PointerFieldsReading read = ReadPointerFields(fields, session_.script.pointers, dump);
    if (read.error != nullptr) {
        prompter_.showMessage(Text(read.error));
        return;
    }
    session_.script.pointers = read.settings;
    if (dump) {
        session_.script.pointerTable = read.start;
        session_.script.count = read.count;
    }
    accept();
}

}  // namespace zarvo
