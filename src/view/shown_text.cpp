#include "view/shown_text.h"

#include <algorithm>
#include <cstdint>

namespace zarvo {

namespace {

[[nodiscard]] bool IsLatin1Control(char c)
{
    const auto byte = static_cast<uint8_t>(c);
    return byte >= 0x80 && byte <= 0x9F;
}

}  // namespace

bool ShownAsLatin1(std::string_view bytes, bool unicodeView)
{
    return !unicodeView && std::none_of(bytes.begin(), bytes.end(), IsLatin1Control);
}

std::u16string ShownText(std::string_view bytes, bool unicodeView, const Cp932Codec& codec)
{
    if (unicodeView) return codec.decode(bytes);
    if (!ShownAsLatin1(bytes, unicodeView)) {
        // Read back to the same bytes, the text is Shift-JIS with no stray byte in it.
        std::u16string decoded = codec.decode(bytes);
        if (codec.encode(decoded) == bytes) return decoded;
    }
    std::u16string latin1(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), latin1.begin(),
                   [](char c) { return static_cast<char16_t>(static_cast<uint8_t>(c)); });
    return latin1;
}

}  // namespace zarvo
