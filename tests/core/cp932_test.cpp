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

// Every single byte and every lead and trail byte pair: what decodes to a character
// encodes to bytes that decode to it again, and exactly back to themselves but for the
// code page's duplicates (NEC and IBM extensions that share a character).
TEST(Cp932Codec, EveryByteAndPairRoundTrips)
{
    const Cp932Codec codec;
    const auto isLead = [](int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); };
    int characters = 0;
    int duplicates = 0;
    const auto check = [&](const std::string& bytes, bool exact) {
        const std::u16string text = codec.decode(bytes);
        if (text.size() != 1 || text[0] == kCp932DefaultChar) return;
        ++characters;
        const std::string encoded = codec.encode(text);
        EXPECT_EQ(codec.decode(encoded), text) << std::hex << static_cast<int>(static_cast<unsigned char>(bytes[0]));
        EXPECT_TRUE(!exact || encoded == bytes);
        if (encoded != bytes) ++duplicates;
    };
    for (int byte = 0; byte < 256; ++byte) {
        if (isLead(byte)) {
            for (int trail = 0x40; trail <= 0xFC; ++trail) check({static_cast<char>(byte), static_cast<char>(trail)}, false);
        } else if (byte != 0) {
            check(std::string(1, static_cast<char>(byte)), true);
        }
    }
    EXPECT_GT(characters, 9700);  // JIS X 0208, NEC and IBM rows, the user area, half-width kana, ASCII
    EXPECT_LT(duplicates, 400);
}

}  // namespace
}  // namespace zarvo
