#pragma once
// What every editor window draws with: the program-wide session, the view and kana
// fonts, the colour table, the blink cell and the status bar. The frame owns one;
// each editor window holds a reference to it.

#include "core/cp932.h"
#include "core/session.h"
#include "ui/font_text_measure.h"
#include "view/colour_table.h"
#include "view/row_layout.h"

#include <QColor>
#include <QFont>

namespace zarvo {

class MdiStatusBar;

// The font the view starts with: Courier New 12 pt, or any fixed-pitch face.
[[nodiscard]] QFont DefaultViewFont();
// The Shift-JIS font of the Unicode view at the view font's point size.
[[nodiscard]] QFont KanaFontFor(const QFont& viewFont);
[[nodiscard]] QColor ToQColor(ColourRef colour);

struct ViewContext {
    explicit ViewContext(Session& session);
    ViewContext(const ViewContext&) = delete;
    ViewContext& operator=(const ViewContext&) = delete;

    // Makes font the view font: the kana font follows its size, rowHeight its height.
    void setViewFont(const QFont& font);
    [[nodiscard]] int rowHeight() const { return session.view.rowHeight < 1 ? 1 : session.view.rowHeight; }

    Session& session;
    Cp932Codec codec;
    QFont viewFont;
    QFont kanaFont;
    FontTextMeasure measure;
    ColorTable colours{};
    // The cursor cell of the last paint that drew it, and the window it lies in.
    BlinkCell blink;
    const void* blinkOwner = nullptr;
    MdiStatusBar* statusBar = nullptr;
};

}  // namespace zarvo
