#include "view/shown_text.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

// Outside the Unicode view a text is Latin-1 unless a byte of it has no Latin-1
// glyph and the whole text reads as Shift-JIS.
TEST(ShownText, JapaneseTextShowsItsCharactersAndEverythingElseIsLatin1)
{
    const Cp932Codec codec;
    const struct {
        const char* bytes;
        bool unicodeView;
        std::u16string shown;
    } cases[] = {
        {"th", false, u"th"},
        {"\xE9", false, u"\u00E9"},                    // é
        {"\xE9t", false, u"\u00E9t"},                  // Latin-1 text, although E9 74 is also Shift-JIS
        {"\x83\x41", false, u"\u30A2"},                // katakana a
        {"\x82\xA0!", false, u"\u3042!"},              // hiragana a and a Latin letter
        {"\x8A\xBF\x8E\x9A", false, u"\u6F22\u5B57"},  // kanji
        {"\x83", false, u"\u0083"},                    // a lead byte alone is no Shift-JIS
        {"\x85\x41", false, u"\u0085A"},               // nor is a code without a character
        {"\xB1", true, u"\uFF71"},                     // the Unicode view decodes everything
        {"\x83\x41", true, u"\u30A2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownText(c.bytes, c.unicodeView, codec), c.shown) << c.bytes;
    }
}

}  // namespace
}  // namespace zarvo
