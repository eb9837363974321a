#include "ui/view_context.h"

#include <QFontMetrics>
#include <QStringList>

namespace zarvo {

QFont DefaultViewFont()
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont KanaFontFor(const QFont& viewFont)
{
    QFont font;
    // "MS Gothic" where it exists, else "MS Mincho", else the Japanese face installed here.
    font.setFamilies({QStringLiteral("MS Gothic"), QStringLiteral("MS Mincho"), QStringLiteral("IPAGothic")});
    font.setPointSize(viewFont.pointSize() > 0 ? viewFont.pointSize() : 12);
    font.setWeight(QFont::Normal);
    return font;
}

QColor ToQColor(ColourRef colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

ViewContext::ViewContext(Session& session)
    : session(session), viewFont(DefaultViewFont()), kanaFont(KanaFontFor(viewFont)),
      measure(codec, viewFont, kanaFont)
{
    setViewFont(viewFont);
}

void ViewContext::setViewFont(const QFont& font)
{
    viewFont = font;
    kanaFont = KanaFontFor(font);
    measure.setFonts(viewFont, kanaFont);
    const int height = QFontMetrics(viewFont).height() + 2;
    session.view.rowHeight = height < 1 ? 1 : height;
}

}  // namespace zarvo
