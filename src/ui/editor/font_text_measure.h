#pragma once
// Widths and drawable texts of view cells, measured with the view font (bytes as
// Latin-1, or a Japanese table's Shift-JIS text as its characters) or the kana font
// (bytes decoded as Shift-JIS). Every distinct text is
// measured and laid out once; the cache is dropped when the fonts change. The
// 256 hexadecimal byte texts live in an array, all other texts in a hash.

#include "core/cp932.h"
#include "view/row_layout.h"

#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>

#include <array>
#include <optional>
#include <string_view>

namespace zarvo {

class FontTextMeasure final : public TextMeasure {
public:
    FontTextMeasure(const Cp932Codec& codec, const QFont& viewFont, const QFont& kanaFont);

    void setFonts(const QFont& viewFont, const QFont& kanaFont);
    [[nodiscard]] const QFont& font(bool unicode) const { return unicode ? kanaFont_ : viewFont_; }

    [[nodiscard]] int width(std::string_view text, bool unicode) const override;
    // The cell text ready to draw with font(unicode); its top-left is the cell's origin.
    [[nodiscard]] const QStaticText& staticText(std::string_view text, bool unicode) const;
    // The characters the bytes stand for (ShownText).
    [[nodiscard]] QString displayText(std::string_view text, bool unicode) const;

private:
    struct Entry {
        QStaticText text;
        int width = 0;
    };

    const Entry& entry(std::string_view text, bool unicode) const;
    Entry makeEntry(std::string_view text, bool unicode) const;

    const Cp932Codec& codec_;
    QFont viewFont_;
    QFont kanaFont_;
    QFontMetrics viewMetrics_;
    QFontMetrics kanaMetrics_;
    // Filled on first use; a cache only, so const measuring may fill it.
    mutable std::array<std::optional<Entry>, 256> hexEntries_;
    mutable QHash<QByteArray, Entry> plainEntries_;
    mutable QHash<QByteArray, Entry> unicodeEntries_;
};

}  // namespace zarvo
