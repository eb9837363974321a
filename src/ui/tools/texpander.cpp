#include "ui/tools/texpander.h"

#include "core/document.h"
#include "tools/tool_messages.h"
#include "ui/common/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVariant>

namespace zarvo {

namespace {

const char* const kTag = "tag";  // the Done button keeps the unit's code here

// A decimal entry: digits only (Backspace and the editing keys still work).
QLineEdit* AddDigitField(QWidget* parent, const char* objectName)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    return field;
}

}  // namespace

TExpander::TExpander(const ViewState& view, Prompter& prompter, CurrentDocument& documents, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      view_(view),
      prompter_(prompter),
      documents_(documents)
{
    setObjectName(QStringLiteral("Expander"));
    setWindowTitle(Text(messages::kResizeCaption));
    setModal(true);
    CreateControls();
}

void TExpander::CreateControls()
{
    SizeTxt = new QLabel(Text(messages::kResizeCurrentSizeFirst), this);
    SizeTxt->setObjectName(QStringLiteral("SizeTxt"));
    StaticText1 = new QLabel(Text(messages::kResizeNewSizeLabel), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    ExpOther = AddDigitField(this, "ExpOther");
    addHdrChkBox = new QCheckBox(Text(messages::kResizeAddHeader), this);
    addHdrChkBox->setObjectName(QStringLiteral("addHdrChkBox"));
    addHdr = AddDigitField(this, "addHdr");
    addHdr->setEnabled(false);
    connect(addHdrChkBox, &QCheckBox::toggled, addHdr, &QWidget::setEnabled);

    struct UnitButton {
        QRadioButton** button;
        const char* name;
        SizeUnit unit;
    };
    const UnitButton units[] = {
        {&rBYTES, "rBYTES", SizeUnit::Bytes},
        {&rMBITS, "rMBITS", SizeUnit::MegaBits},
        {&rMBYTE, "rMBYTE", SizeUnit::MegaBytes},
    };
    auto* unitRow = new QHBoxLayout;
    for (const UnitButton& item : units) {
        *item.button = new QRadioButton(Text(UnitCaption(item.unit)), this);
        (*item.button)->setObjectName(QString::fromLatin1(item.name));
        unitRow->addWidget(*item.button);
        connect(*item.button, &QRadioButton::clicked, this, &TExpander::rBYTESClick);
    }
    rBYTES->setChecked(true);

    BitBtn1 = new QPushButton(Text(messages::kResizeDone), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setProperty(kTag, static_cast<int>(SizeUnit::Bytes));
    BitBtn2 = new QPushButton(Text(messages::kResizeCancel), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TExpander::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(SizeTxt, 0, 0, 1, 2);
    layout->addWidget(StaticText1, 1, 0);
    layout->addWidget(ExpOther, 1, 1);
    layout->addWidget(addHdrChkBox, 2, 0);
    layout->addWidget(addHdr, 2, 1);
    layout->addLayout(unitRow, 3, 0, 1, 2);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(BitBtn1);
    buttonRow->addWidget(BitBtn2);
    layout->addLayout(buttonRow, 4, 0, 1, 2);
}

SizeUnit TExpander::CheckedUnit() const
{
    if (rMBITS->isChecked()) return SizeUnit::MegaBits;
    if (rMBYTE->isChecked()) return SizeUnit::MegaBytes;
    return SizeUnit::Bytes;
}

void TExpander::showEvent(QShowEvent* event)
{
    rBYTESClick();
    QDialog::showEvent(event);
}

void TExpander::rBYTESClick()
{
    const SizeUnit unit = CheckedUnit();
    BitBtn1->setProperty(kTag, static_cast<int>(unit));
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) {
        SizeTxt->setText(Text(CurrentSizeText(doc->fileSize, unit)));
    }
}

void TExpander::BitBtn1Click()
{
    const auto unit = static_cast<SizeUnit>(BitBtn1->property(kTag).toInt());
    const ResizePlan plan =
        PlanResize(ExpOther->text().toStdString(), unit, addHdrChkBox->isChecked(), addHdr->text().toStdString());
    if (plan.refusal != nullptr) {
        prompter_.showMessage(Text(plan.refusal));
        return;
    }
    if (plan.headerMissing) prompter_.showMessage(Text(messages::kResizeNoHeaderValue));
    if (!prompter_.askYesNo(Text(ResizeQuestionText(plan.count, unit)), Text(messages::kResizeQuestionCaption),
                            MessageIcon::None)) {
        return;
    }
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    if (!ResizeDocument(*doc, plan.length, view_)) {
        prompter_.showMessage(Text(messages::kResizeFailed));
        return;
    }
    documents_.repaint(*doc);
    prompter_.showMessage(Text(ResizeDoneText(plan.count, unit)));
    accept();
}

}  // namespace zarvo
