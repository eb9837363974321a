#include "ui/tools/tsnes2hex.h"

#include "core/document.h"
#include "tools/tool_messages.h"
#include "ui/common/qt_text.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

namespace zarvo {

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 168;
constexpr int kFieldLength = 6;
const QString kEmptyLabel = QStringLiteral("      ");  // the label before a mapping is chosen

// The fields show what is typed in upper case.
class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QLineEdit* AddField(QWidget* parent, const char* objectName, const QRect& place)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMaxLength(kFieldLength);
    field->setValidator(new UpperCaseValidator(field));
    QFont bold = field->font();
    bold.setBold(true);
    field->setFont(bold);
    field->setGeometry(place);
    return field;
}

}  // namespace

TSnes2Hex::TSnes2Hex(Session& session, Prompter& prompter, CurrentDocument& documents, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      prompter_(prompter),
      documents_(documents)
{
    setObjectName(QStringLiteral("Snes2Hex"));
    setWindowTitle(Text(messages::kSnesConverterCaption));
    setModal(true);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
}

void TSnes2Hex::CreateControls()
{
    StaticText1 = new QLabel(Text(messages::kSnesConverterHeading), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(92, 6, 200, 16);

    TextLabel = new QPushButton(Text(CaptionsFor(session_.dialogs.snesConverter.mapping).button), this);
    TextLabel->setObjectName(QStringLiteral("TextLabel"));
    TextLabel->setToolTip(Text(messages::kSnesConvertHint));
    TextLabel->setStatusTip(Text(messages::kSnesConvertHint));
    TextLabel->setGeometry(8, 26, 76, 26);
    // Enter in a field converts.
    TextLabel->setDefault(true);

    lorom1 = AddField(this, "lorom1", QRect(90, 27, 70, 24));
    lorom2 = AddField(this, "lorom2", QRect(166, 27, 70, 24));
    lorom1->installEventFilter(this);
    lorom2->installEventFilter(this);

    ZstText = new QLabel(kEmptyLabel, this);
    ZstText->setObjectName(QStringLiteral("ZstText"));
    ZstText->setGeometry(242, 27, 56, 24);

    RadioGroup1 = new QGroupBox(Text(messages::kSnesOptionsFrame), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 58, 324, 72);
    struct MappingButton {
        QRadioButton** button;
        const char* name;
        QString caption;
        SnesMapping mapping;
        QRect place;
    };
    const MappingButton buttons[] = {
        {&LoChk, "LoChk", tr("Lo-Rom"), SnesMapping::LoRom, QRect(8, 18, 90, 20)},
        {&HiChk, "HiChk", tr("Hi-Rom"), SnesMapping::HiRom, QRect(8, 44, 90, 20)},
        {&MemChk, "MemChk", tr("Memory"), SnesMapping::Memory, QRect(100, 18, 90, 20)},
        {&VidChk, "VidChk", tr("Video Ram"), SnesMapping::VideoRam, QRect(100, 44, 100, 20)},
    };
    for (const MappingButton& item : buttons) {
        *item.button = new QRadioButton(item.caption, RadioGroup1);
        (*item.button)->setObjectName(QString::fromLatin1(item.name));
        (*item.button)->setGeometry(item.place);
    }
    // Checked before the handlers are connected: the label stays blank until a
    // mapping is chosen.
    LoChk->setChecked(true);
    for (const MappingButton& item : buttons) {
        const SnesMapping mapping = item.mapping;
        connect(*item.button, &QRadioButton::toggled, this, [this, mapping](bool checked) {
            if (checked) SelectMapping(mapping);
        });
    }

    hdrbox = new QCheckBox(Text(messages::kSnesIncludeHeader), RadioGroup1);
    hdrbox->setObjectName(QStringLiteral("hdrbox"));
    hdrbox->setGeometry(204, 18, 116, 20);
    lorombox = new QCheckBox(Text(messages::kSnesBank80), RadioGroup1);
    lorombox->setObjectName(QStringLiteral("lorombox"));
    lorombox->setGeometry(204, 44, 116, 20);
    connect(hdrbox, &QCheckBox::toggled, this,
            [this](bool checked) { session_.dialogs.snesConverter.headerSize = checked ? kCopierHeaderSize : 0; });
    connect(lorombox, &QCheckBox::toggled, this,
            [this](bool checked) { session_.dialogs.snesConverter.bankBase = checked ? kFastBankBase : 0; });

    Button1 = new QPushButton(Text(messages::kSnesGotoOffset), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(8, 136, 100, 26);

    connect(TextLabel, &QPushButton::clicked, this, &TSnes2Hex::_Convert);
    connect(Button1, &QPushButton::clicked, this, &TSnes2Hex::Button1Click);
}

void TSnes2Hex::SelectMapping(SnesMapping mapping)
{
    session_.dialogs.snesConverter.mapping = mapping;
    session_.dialogs.snesConverter.direction = ConvertDirection::ToSnes;
    lorom1->clear();
    lorom2->clear();
    const SnesMappingCaptions captions = CaptionsFor(mapping);
    TextLabel->setText(Text(captions.button));
    ZstText->setText(Text(captions.label));
}

bool TSnes2Hex::eventFilter(QObject* watched, QEvent* event)
{
    // Clicking or typing in a field makes it the one converted from; Escape, which
    // closes the dialog, and Tab, which leaves the field, do not.
    bool typed = event->type() == QEvent::KeyPress;
    if (typed) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        typed = key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab;
    }
    if (event->type() == QEvent::MouseButtonPress || typed) {
        if (watched == lorom1) session_.dialogs.snesConverter.direction = ConvertDirection::ToSnes;
        if (watched == lorom2) session_.dialogs.snesConverter.direction = ConvertDirection::ToFile;
    }
    return QDialog::eventFilter(watched, event);
}

void TSnes2Hex::_Convert()
{
    const bool toSnes = session_.dialogs.snesConverter.direction == ConvertDirection::ToSnes;
    QLineEdit* from = toSnes ? lorom1 : lorom2;
    QLineEdit* into = toSnes ? lorom2 : lorom1;
    const SnesConversion result =
        ConvertSnesAddress(session_.dialogs.snesConverter, ReadConverterField(from->text().toStdString()));
    if (!result.ok) {
        prompter_.showMessage(Text(result.message));
        return;
    }
    into->setText(QString::fromStdString(ConverterFieldText(result.value)));
}

void TSnes2Hex::Button1Click()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const int32_t offset =
        ConverterGotoTarget(ReadConverterField(lorom1->text().toStdString()), doc->viewSize, session_.view.pageBytes);
    documents_.jumpTo(*doc, offset);
}

}  // namespace zarvo
