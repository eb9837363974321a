#pragma once
// Fonts that draw Japanese text. The faces are asked for by their names on the
// original platform ("MS Gothic", "MS Mincho"); the Japanese face installed here
// (Debian's fonts-ipafont-gothic, "IPAGothic") stands in where they are missing.

#include <QFont>
#include <QString>
#include <QStringList>

namespace zarvo {

// face first (when given), then "MS Gothic", "MS Mincho" and "IPAGothic", each once:
// a character the first face has no glyph for is drawn with the next that has one.
[[nodiscard]] QStringList JapaneseFamilies(const QString& face = QString());
// A font of face at pixelSize with the Japanese faces behind it.
[[nodiscard]] QFont JapaneseFont(const QString& face, int pixelSize);
// The font with the Japanese faces behind the face it resolved to (kana and kanji are
// drawn with them, the other characters keep its face). The resolved face, not the
// asked-for one, leads: a face that is not installed ("Courier New") at the head of
// the list would let the Japanese face draw everything.
[[nodiscard]] QFont WithJapaneseFallback(const QFont& font);

}  // namespace zarvo
