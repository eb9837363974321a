#include "ui/editor/view_context.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

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
    font.setFamilies({QStringLiteral("MS Gothic"), QStringLiteral("MS Mincho"), QStringLiteral("IPAGothic")});
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

void ViewContext::setViewFont(const QFont& font, bool remakeKanaFont)
{
    viewFont = font;
    if (remakeKanaFont) kanaFont = KanaFontFor(PointSizeOf(font));
    measure.setFonts(viewFont, kanaFont);
    const int height = std::abs(QFontMetrics(viewFont).height()) + 2;
    session.view.rowHeight = std::max(height, 1);
}

}  // namespace zarvo
