#include "core/cp932.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

// Characters decode as code page 932 has them and encode back to the same bytes;
// bytes that are no character become the default character.
TEST(Cp932Codec, DecodesAndEncodesBack)
{
    const Cp932Codec codec;
    const struct {
        const char* bytes;
        std::u16string text;
        bool encodesBack;
    } cases[] = {
        {"ABC", u"ABC", true},
        {"\x82\xA0\x82\xA2", u"\u3042\u3044", true},  // hiragana a i
        {"\x83\x41", u"\u30A2", true},                // katakana a
        {"\xB1", u"\uFF71", true},                    // half-width katakana a
        {"\x93\xFA\x96\x7B", u"\u65E5\u672C", true},
        {"\x81\x40", u"\u3000", true},  // full-width space
        {"", u"", true},
        {"\x82", u"\u30FB", false},  // a lead byte alone
        {"A\x82", u"A\u30FB", false},
        {"\xA0Z", u"\u30FBZ", false},  // not a character in this code page
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codec.decode(c.bytes), c.text) << c.bytes;
        if (c.encodesBack) {
            EXPECT_EQ(codec.encode(c.text), c.bytes);
        }
    }
}

}  // namespace
}  // namespace zarvo
