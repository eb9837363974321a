#include "ui/editor/font_text_measure.h"

#include "ui/common/japanese_font.h"
#include "view/shown_text.h"

namespace zarvo {

namespace {

// A distinct text seen once per table entry at most; this bound only guards
// against a session that goes through very many tables.
constexpr qsizetype kMaxCachedTexts = 200000;

int HexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

// The byte value of a "%02X" text, or -1 for any other text.
int HexCellIndex(std::string_view text)
{
    if (text.size() != 2) return -1;
    const int high = HexDigitValue(text[0]);
    const int low = HexDigitValue(text[1]);
    if (high < 0 || low < 0) return -1;
    return high * 16 + low;
}

}  // namespace

FontTextMeasure::FontTextMeasure(const Cp932Codec& codec, const QFont& viewFont, const QFont& kanaFont)
    : codec_(codec),
      viewFont_(WithJapaneseFallback(viewFont)),
      kanaFont_(kanaFont),
      viewMetrics_(viewFont_),
      kanaMetrics_(kanaFont)
{}

void FontTextMeasure::setFonts(const QFont& viewFont, const QFont& kanaFont)
{
    viewFont_ = WithJapaneseFallback(viewFont);
    kanaFont_ = kanaFont;
    viewMetrics_ = QFontMetrics(viewFont_);
    kanaMetrics_ = QFontMetrics(kanaFont);
    hexEntries_.fill(std::nullopt);
    plainEntries_.clear();
    unicodeEntries_.clear();
}

int FontTextMeasure::width(std::string_view text, bool unicode) const { return entry(text, unicode).width; }

const QStaticText& FontTextMeasure::staticText(std::string_view text, bool unicode) const
{
    return entry(text, unicode).text;
}

QString FontTextMeasure::displayText(std::string_view text, bool unicode) const
{
    return QString::fromStdU16String(ShownText(text, unicode, codec_));
}

const FontTextMeasure::Entry& FontTextMeasure::entry(std::string_view text, bool unicode) const
{
    if (!unicode) {
        if (const int index = HexCellIndex(text); index >= 0) {
            auto& slot = hexEntries_[static_cast<std::size_t>(index)];
            if (!slot) slot = makeEntry(text, false);
            return *slot;
        }
    }
    auto& entries = unicode ? unicodeEntries_ : plainEntries_;
    const QByteArray key = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
    if (const auto found = entries.constFind(key); found != entries.constEnd()) return found.value();
    if (entries.size() >= kMaxCachedTexts) entries.clear();
    // The key must own its bytes once stored.
    return entries.insert(QByteArray(text.data(), static_cast<qsizetype>(text.size())), makeEntry(text, unicode))
        .value();
}

FontTextMeasure::Entry FontTextMeasure::makeEntry(std::string_view text, bool unicode) const
{
    const QString shown = displayText(text, unicode);
    Entry made;
    made.text.setTextFormat(Qt::PlainText);
    made.text.setPerformanceHint(QStaticText::AggressiveCaching);
    made.text.setText(shown);
    made.text.prepare(QTransform(), font(unicode));
    made.width = (unicode ? kanaMetrics_ : viewMetrics_).horizontalAdvance(shown);
    return made;
}

}  // namespace zarvo
