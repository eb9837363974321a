#include "ui/tiles/tile_status_bar.h"

#include "tiles/tile_status.h"

#include <QFont>
#include <QLabel>

namespace zarvo {

TileStatusBar::TileStatusBar(QWidget* parent) : QStatusBar(parent)
{
    static_assert(kTileStatusPanels == 7);
    setObjectName(QStringLiteral("TileBAR"));
    setSizeGripEnabled(false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    for (int panel = 0; panel < kTileStatusPanels; ++panel) {
        const auto index = static_cast<std::size_t>(panel);
        auto* label = new QLabel(QString::fromLatin1(kInitialTileStatusTexts[index]), this);
        label->setObjectName(QStringLiteral("TileBARPanel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (panel + 1 < kTileStatusPanels) {
            label->setFixedWidth(kTileStatusPanelWidths[index]);
            addWidget(label);
        } else {
            // The hint panel takes the rest of the bar.
            label->setMinimumWidth(kTileStatusPanelWidths[index]);
            addWidget(label, 1);
        }
        panels_[index] = label;
    }
    hide();
}

void TileStatusBar::setValueTexts(const std::array<std::string, 6>& texts)
{
    for (std::size_t panel = 0; panel < texts.size(); ++panel) {
        panels_[panel]->setText(QString::fromLatin1(texts[panel].c_str()));
    }
}

void TileStatusBar::setHint(const QString& hint) { panels_.back()->setText(hint); }

QString TileStatusBar::panelText(int panel) const
{
    if (panel < 0 || panel >= kTileStatusPanels) return {};
    return panels_[static_cast<std::size_t>(panel)]->text();
}

}  // namespace zarvo
