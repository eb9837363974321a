#include "core/cp932.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

TEST(Cp932Codec, DecodesAsciiKanaAndKanji)
{
    const Cp932Codec codec;
    EXPECT_EQ(codec.decode("ABC"), u"ABC");
    EXPECT_EQ(codec.decode("\x82\xA0"), u"\u3042");  // hiragana a
    EXPECT_EQ(codec.decode("\x83\x41"), u"\u30A2");  // katakana a
    EXPECT_EQ(codec.decode("\xB1"), u"\uFF71");      // half-width katakana a
    EXPECT_EQ(codec.decode("\x93\xFA\x96\x7B"), u"\u65E5\u672C");
    EXPECT_EQ(codec.decode("\x81\x40"), u"\u3000");  // full-width space
    EXPECT_EQ(codec.decode(""), u"");
}

TEST(Cp932Codec, UndecodableBytesBecomeTheDefaultCharacter)
{
    const Cp932Codec codec;
    EXPECT_EQ(codec.decode("\x82"), u"\u30FB");  // a lead byte alone
    EXPECT_EQ(codec.decode("A\x82"), u"A\u30FB");
    EXPECT_EQ(codec.decode("\xA0Z"), u"\u30FBZ");  // not a character in this code page
}

TEST(Cp932Codec, EncodesBackTheSameBytes)
{
    const Cp932Codec codec;
    for (const char* text : {"ABC", "\x82\xA0\x82\xA2", "\x83\x41", "\x81\x40", "\x93\xFA\x96\x7B"}) {
        EXPECT_EQ(codec.encode(codec.decode(text)), text);
    }
}

}  // namespace
}  // namespace zarvo
