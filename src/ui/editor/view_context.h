#pragma once
// What every editor window draws with: the program-wide session, the view and kana
// fonts, the colour table, the blink cell and the status bar, and the prompter its
// pastes tell their refusals through. The frame owns one; each editor window holds a
// reference to it.

#include "core/cp932.h"
#include "core/session.h"
#include "core/settings_file.h"
#include "ui/editor/font_text_measure.h"
#include "view/colour_table.h"
#include "view/row_layout.h"
#include "view/view_sizing.h"

#include <QColor>
#include <QFont>

namespace zarvo {

class MdiStatusBar;
class Prompter;
class ViewTakeover;

// The point size the kana font starts with: that of the frame's font.
inline constexpr int kStartKanaPointSize = 12;

// The font the view starts with: Courier New (or the installed fixed-pitch face)
// of 12 pixels, about 7 pixels a character. A row sized to the window gives each
// byte 32 pixels (two digits, a blank and a text character) and 64 pixels to the
// margin, offset and gaps (eleven characters and the scroll bar's 14 pixels):
// 8-pixel characters would push the row's end past the window, 7-pixel ones fit.
[[nodiscard]] QFont DefaultViewFont();
// The Shift-JIS font of the Unicode view.
[[nodiscard]] QFont KanaFontFor(int pointSize);
// A font's size in points, also for one given in pixels.
[[nodiscard]] int PointSizeOf(const QFont& font);
// The font as the settings file keeps it (size within the sizes the file takes),
// and a font made from what the file holds.
[[nodiscard]] ViewFontSetting FontSettingOf(const QFont& font);
[[nodiscard]] QFont FontFromSetting(const ViewFontSetting& setting);
[[nodiscard]] QColor ToQColor(ColourRef colour);

struct ViewContext {
    explicit ViewContext(Session& session);
    ViewContext(const ViewContext&) = delete;
    ViewContext& operator=(const ViewContext&) = delete;

    // Makes font the view font (Font1's font) and rowHeight |its height| + 2; with
    // remakeKanaFont the kana font takes its point size.
    void setViewFont(const QFont& font, bool remakeKanaFont);
    [[nodiscard]] int rowHeight() const { return session.view.rowHeight < 1 ? 1 : session.view.rowHeight; }
    // What a row takes with the current fonts: the offset, the gaps and, per byte, a
    // hexadecimal cell and the widest text cell (of the kana font in Unicode view), a
    // one-character entry of the table included (a Japanese table's full-width kana).
    [[nodiscard]] RowWidths rowWidths(bool unicodeView, bool spacedHex, const TableData* table = nullptr) const;

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
    Prompter* prompter = nullptr;
    // While it takes over, the editor windows paint the tile sheet and hand their input to it.
    ViewTakeover* tileInput = nullptr;
};

}  // namespace zarvo
