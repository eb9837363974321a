#include "ui/editor/mdi_status_bar.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace zarvo {

namespace {

// The widest text each value panel shows ('D' is the widest hexadecimal digit in
// proportional faces), so that a panel never changes its width as the values change.
constexpr std::array<const char*, kStatusPanels - 1> kWidestValueTexts = {
    "Decimal: 888", "Hexdecimal: DD", "Binary: 88888888", "Decimal Offset: 8888888888", "Hexdecimal Ofset: DDDDDDDD"};
constexpr int kPanelPadding = 8;

}  // namespace

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
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int given = kStatusPanelWidths[static_cast<std::size_t>(panel)];
        if (panel + 1 < kStatusPanels) {
            // The panels' widths fit Arial; a wider substitute face widens them rather
            // than cutting the numbers off. Either way the width stays fixed.
            const int needed = QFontMetrics(font).horizontalAdvance(
                                   QString::fromLatin1(kWidestValueTexts[static_cast<std::size_t>(panel)])) +
                               2 * label->frameWidth() + kPanelPadding;
            label->setFixedWidth(std::max(given, needed));
            addWidget(label);
        } else {
            // The hint panel takes the rest of the bar.
            label->setMinimumWidth(given);
            addWidget(label, 1);
        }
        panels_[static_cast<std::size_t>(panel)] = label;
    }
}

void MdiStatusBar::setValueTexts(const std::array<std::string, 5>& texts)
{
    for (std::size_t panel = 0; panel < texts.size(); ++panel) {
        panels_[panel]->setText(QString::fromLatin1(texts[panel].c_str()));
    }
}

void MdiStatusBar::clearValueTexts()
{
    for (std::size_t panel = 0; panel + 1 < panels_.size(); ++panel) panels_[panel]->clear();
    setSelectionText({});
}

void MdiStatusBar::setHint(const QString& hint)
{
    hint_ = hint;
    showLastPanel();
}

void MdiStatusBar::setSelectionText(const QString& text)
{
    if (text == selection_) return;
    selection_ = text;
    showLastPanel();
}

void MdiStatusBar::showLastPanel() { panels_.back()->setText(selection_.isEmpty() ? hint_ : selection_); }

QString MdiStatusBar::panelText(int panel) const
{
    if (panel < 0 || panel >= kStatusPanels) return {};
    if (panel == kStatusPanels - 1) return hint_;
    return panels_[static_cast<std::size_t>(panel)]->text();
}

}  // namespace zarvo
