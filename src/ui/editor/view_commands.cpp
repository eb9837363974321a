#include "ui/editor/view_commands.h"

#include "core/document.h"
#include "ui/common/editor_windows.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QStatusBar>

namespace zarvo {

ViewCommands::ViewCommands(Session& session, EditorWindows& windows, QStatusBar& statusBar, QObject* parent)
    : QObject(parent),
      session_(session),
      windows_(windows),
      statusBar_(statusBar)
{}

void ViewCommands::AddMenuItems(QMenu& view, EditorItems& editorItems)
{
    QMenu* DisplayOffsetasSnes1 = AddSubMenu(&view, "DisplayOffsetasSnes1", tr("Display Offset as..."),
                                             tr("Show offsets as file offsets or SNES addresses"));
    offsetModeGroup_ = new QActionGroup(this);
    offsetModeGroup_->setExclusive(true);
    struct OffsetItem {
        const char* name;
        QString caption;
        const char* shortcut;
        QString hint;
        OffsetMode mode;
    };
    const OffsetItem items[] = {
        {"Standard", tr("&Standard ( Linear Offset )"), "Ctrl+Alt+S", tr("Show file offsets"), OffsetMode::Standard},
        {"LoROM1", tr("SNES &Lo-ROM ( Slow ROM )"), "Ctrl+Alt+L", tr("Show SNES Lo-ROM addresses"),
         OffsetMode::LoRomSlow},
        {"LoROM2", tr("SNES &Lo-ROM ( Fast ROM )"), "Ctrl+Alt+F", tr("Show SNES Lo-ROM addresses of fast ROM"),
         OffsetMode::LoRomFast},
        {"HiROM1", tr("SNES &Hi-ROM"), "Ctrl+Alt+H", tr("Show SNES Hi-ROM addresses"), OffsetMode::HiRom},
        {"SnesMem1", tr("SNES &Memory"), "Ctrl+Alt+M", tr("Show SNES memory addresses"), OffsetMode::SnesMemory},
    };
    for (const OffsetItem& item : items) {
        QAction* action = AddCheckAction(DisplayOffsetasSnes1, item.name, item.caption,
                                         QKeySequence(QString::fromLatin1(item.shortcut)), item.hint,
                                         item.mode == OffsetMode::Standard, offsetModeGroup_);
        const OffsetMode mode = item.mode;
        connect(action, &QAction::triggered, this, [this, mode] { OffsetModeClick(mode); });
    }
    ViewKana = AddCheckAction(&view, "ViewKana", tr("View Text &Data as Unicode"), QKeySequence(tr("Ctrl+D")),
                              tr("Show the text column as Japanese text"), false);
    QAction* ViewStatusBar1 = AddCheckAction(&view, "ViewStatusBar1", tr("View Stat&us Bar"),
                                             QKeySequence(tr("Ctrl+U")), tr("Show or hide the status bar"), true);
    connect(ViewKana, &QAction::triggered, this, &ViewCommands::ViewKanaClick);
    connect(ViewStatusBar1, &QAction::triggered, this, &ViewCommands::ViewStatusBar1Click);
    editorItems.push_back(ViewKana);
}

void ViewCommands::ShowViewOf(bool unicodeView) { ViewKana->setChecked(unicodeView); }

bool ViewCommands::kanaItemEnabled() const { return ViewKana->isEnabled(); }

void ViewCommands::OffsetModeClick(OffsetMode mode)
{
    session_.view.offsetMode = mode;
    windows_.repaintAll();
}

void ViewCommands::ViewKanaClick(bool checked)
{
    const std::shared_ptr<DocRecord> doc = windows_.document();
    if (doc == nullptr) return;
    doc->unicodeView = checked;
    windows_.repaint(*doc);
}

void ViewCommands::ViewStatusBar1Click(bool checked) { statusBar_.setVisible(checked); }

}  // namespace zarvo
