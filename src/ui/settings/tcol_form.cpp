#include "ui/settings/tcol_form.h"

#include "ui/editor/view_context.h"

#include <QCheckBox>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace zarvo {

namespace {

QCheckBox* AddBox(QWidget* parent, const char* objectName, const QString& caption, const QString& hint, bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setToolTip(hint);
    box->setStatusTip(hint);
    box->setChecked(checked);
    return box;
}

}  // namespace

TColForm::TColForm(ViewContext& context, QTimer& Timer1, QWidget* parent)
    : QDialog(parent),
      context_(context),
      Timer1(Timer1)
{
    setObjectName(QStringLiteral("ColForm"));
    setWindowTitle(tr("Settings"));
    setModal(true);

    FormCreate();
    const DisplaySettings& settings = context_.session.settings;
    BlinkBox = AddBox(this, "BlinkBox", tr("Enable Blinking Cursor"), QString(), settings.blinkCursor);
    FixedRow = AddBox(this, "FixedRow", tr("Auto Size Hex Data [ Bytes per row ]"),
                      tr("If checked, Window resize does not affect Hex dump"), settings.autoSizeRows);
    SpacedHex =
        AddBox(this, "SpacedHex", tr("Spaced HEX Dump"), tr("Add a space between HEX bytes"), settings.spacedHex);
    Button1 = new QPushButton(tr("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    connect(BlinkBox, &QCheckBox::toggled, this, &TColForm::BlinkBoxClick);
    connect(FixedRow, &QCheckBox::toggled, this,
            [this](bool checked) { context_.session.settings.autoSizeRows = checked; });
    connect(SpacedHex, &QCheckBox::toggled, this,
            [this](bool checked) { context_.session.settings.spacedHex = checked; });
    connect(Button1, &QPushButton::clicked, this, &TColForm::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BlinkBox);
    layout->addWidget(FixedRow);
    layout->addWidget(SpacedHex);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    BlinkBoxClick(settings.blinkCursor);
}

void TColForm::FormCreate()
{
    const StoredSettings defaults{DisplaySettings{}, FontSettingOf(context_.viewFont), false, {}};
    const StoredSettings read = ReadSettingsFile(context_.session.settingsPath, defaults);
    context_.session.settings = read.display;
    context_.session.script.atlasTables = read.atlasTables;
    context_.session.script.pointers = read.pointers;
    // The view font stays as it is unless the file names another one; the rows
    // take the height of the font they are drawn with.
    if (read.font.pointSize != defaults.font.pointSize || read.font.faceName != defaults.font.faceName) {
        context_.setViewFont(FontFromSetting(read.font), false);
    }
}

void TColForm::showEvent(QShowEvent* event)
{
    const DisplaySettings& settings = context_.session.settings;
    for (auto [box, checked] : {std::pair{BlinkBox, settings.blinkCursor}, std::pair{FixedRow, settings.autoSizeRows},
                                std::pair{SpacedHex, settings.spacedHex}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
    QDialog::showEvent(event);
}

StoredSettings TColForm::storedSettings() const
{
    const ScriptState& script = context_.session.script;
    return StoredSettings{context_.session.settings, FontSettingOf(context_.viewFont), script.atlasTables,
                          script.pointers};
}

void TColForm::BlinkBoxClick(bool checked)
{
    context_.session.settings.blinkCursor = checked;
    if (checked) {
        Timer1.start();
    } else {
        Timer1.stop();
    }
}

void TColForm::Button1Click() { accept(); }

}  // namespace zarvo
