#include "ui/editor/mdi_status_bar.h"

#include <QFont>
#include <QLabel>

namespace zarvo {

MdiStatusBar::MdiStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("MDIBar"));
    setSizeGripEnabled(false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    for (int panel = 0; panel < kStatusPanels; ++panel) {
        auto* label = new QLabel(QString::fromLatin1(kInitialStatusTexts[static_cast<std::size_t>(panel)]), this);
        label->setObjectName(QStringLiteral("MDIBarPanel%1").arg(panel));
        // The panels' widths fit Arial; a wider substitute face widens them rather
        // than cutting the numbers off.
        label->setMinimumWidth(kStatusPanelWidths[static_cast<std::size_t>(panel)]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(label);
        panels_[static_cast<std::size_t>(panel)] = label;
    }
}

void MdiStatusBar::setValueTexts(const std::array<std::string, 5>& texts)
{
    for (std::size_t panel = 0; panel < texts.size(); ++panel) {
        panels_[panel]->setText(QString::fromLatin1(texts[panel].c_str()));
    }
}

void MdiStatusBar::setHint(const QString& hint) { panels_.back()->setText(hint); }

QString MdiStatusBar::panelText(int panel) const
{
    if (panel < 0 || panel >= kStatusPanels) return {};
    return panels_[static_cast<std::size_t>(panel)]->text();
}

}  // namespace zarvo
