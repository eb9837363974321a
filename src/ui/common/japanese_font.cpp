#include "ui/common/japanese_font.h"

#include <QFontInfo>

#include <array>

namespace zarvo {

namespace {

constexpr std::array<const char*, 3> kJapaneseFaces = {"MS Gothic", "MS Mincho", "IPAGothic"};

}  // namespace

QStringList JapaneseFamilies(const QString& face)
{
    QStringList families;
    if (!face.isEmpty()) families << face;
    for (const char* japanese : kJapaneseFaces) {
        const QString name = QString::fromLatin1(japanese);
        if (!families.contains(name)) families << name;
    }
    return families;
}

QFont JapaneseFont(const QString& face, int pixelSize)
{
    QFont font;
    font.setFamilies(JapaneseFamilies(face));
    font.setPixelSize(pixelSize);
    return font;
}

QFont WithJapaneseFallback(const QFont& font)
{
    QFont withFallback = font;
    withFallback.setFamilies(JapaneseFamilies(QFontInfo(font).family()));
    return withFallback;
}

}  // namespace zarvo
