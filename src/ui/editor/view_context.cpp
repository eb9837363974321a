#include "ui/editor/view_context.h"

#include "ui/common/japanese_font.h"
#include "view/shown_text.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {

constexpr int kDefaultViewPixelSize = 12;

}  // namespace

QFont DefaultViewFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kDefaultViewPixelSize);
    // Cells show their text and background colours only, as plain text output does.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont KanaFontFor(int pointSize)
{
    QFont font;
    // "MS Gothic" where it exists, else "MS Mincho", else the Japanese face installed here.
    font.setFamilies(JapaneseFamilies());
    font.setPointSize(std::clamp(pointSize, kMinFontPointSize, kMaxFontPointSize));
    font.setWeight(QFont::Normal);
    return font;
}

int PointSizeOf(const QFont& font)
{
    if (font.pointSize() > 0) return font.pointSize();
    return static_cast<int>(std::lround(QFontInfo(font).pointSizeF()));
}

ViewFontSetting FontSettingOf(const QFont& font)
{
    ViewFontSetting setting;
    setting.pointSize = std::clamp(PointSizeOf(font), kMinFontPointSize, kMaxFontPointSize);
    setting.faceName = font.family().toStdString();
    return setting;
}

QFont FontFromSetting(const ViewFontSetting& setting)
{
    QFont font(QString::fromStdString(setting.faceName));
    // An unknown face becomes the installed fixed-pitch one rather than any face.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(std::clamp(setting.pointSize, kMinFontPointSize, kMaxFontPointSize));
    return font;
}

QColor ToQColor(ColourRef colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

ViewContext::ViewContext(Session& session)
    : session(session),
      viewFont(DefaultViewFont()),
      kanaFont(KanaFontFor(kStartKanaPointSize)),
      measure(codec, viewFont, kanaFont)
{
    setViewFont(viewFont, false);
}

RowWidths ViewContext::rowWidths(bool unicodeView, bool spacedHex, const TableData* table) const
{
    const int blank = measure.width(" ", false);
    int textCell = 0;
    for (const char* wide : {"W", "M", "@", "m"}) textCell = std::max(textCell, measure.width(wide, false));
    if (unicodeView) {
        // Single bytes are half-width characters of the kana font; a pair of bytes
        // draws one full-width character.
        textCell = std::max(measure.width("W", true), (measure.width("\x82\xA0", true) + 1) / 2);
    }
    if (table != nullptr) {
        // A byte whose entry is one character shows that character, however wide.
        // Longer entries (words) are left out: they would leave room for few bytes.
        for (const std::optional<std::string>& text : table->singleText) {
            if (text && ShownText(*text, unicodeView, codec).size() == 1) {
                textCell = std::max(textCell, measure.width(*text, unicodeView));
            }
        }
    }
    RowWidths widths;
    // The margin, the offset and its gap, the gap before the text column, and a blank
    // so that the last character keeps off the window's edge.
    widths.fixed = kViewLeftMargin + measure.width("00000000", false) + 4 * blank + blank;
    widths.perByte = measure.width("DD", false) + (spacedHex ? blank : 0) + textCell;
    return widths;
}

void ViewContext::setViewFont(const QFont& font, bool remakeKanaFont)
{
    viewFont = font;
    if (remakeKanaFont) kanaFont = KanaFontFor(PointSizeOf(font));
    measure.setFonts(viewFont, kanaFont);
    const int height = std::abs(QFontMetrics(viewFont).height()) + 2;
    session.view.rowHeight = std::max(height, 1);
}

}  // namespace zarvo
