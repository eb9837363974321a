#include "core/cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace zarvo {

namespace {

iconv_t Handle(void* handle) { return static_cast<iconv_t>(handle); }

// Runs one conversion, skipping (and reporting through onInvalid) every input unit
// that does not convert. unitSize is 1 for bytes, 2 for UTF-16 units.
template <typename OnInvalid>
std::string Convert(iconv_t handle, const char* input, std::size_t inputBytes, std::size_t unitSize,
                    OnInvalid onInvalid)
{
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    std::string output(inputBytes * 2 + 8, '\0');
    char* in = const_cast<char*>(input);
    std::size_t inLeft = inputBytes;
    std::size_t produced = 0;
    while (inLeft > 0) {
        char* out = output.data() + produced;
        std::size_t outLeft = output.size() - produced;
        const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
        produced = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        // EILSEQ or EINVAL: an invalid or incomplete unit; replace it and go on.
        onInvalid(output, produced);
        const std::size_t skip = inLeft < unitSize ? inLeft : unitSize;
        in += skip;
        inLeft -= skip;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    output.resize(produced);
    return output;
}

}  // namespace

Cp932Codec::Cp932Codec() : toUtf16_(iconv_open("UTF-16LE", "CP932")), fromUtf16_(iconv_open("CP932", "UTF-16LE"))
{
    if (toUtf16_ == reinterpret_cast<void*>(-1) || fromUtf16_ == reinterpret_cast<void*>(-1)) {
        throw std::runtime_error("code page 932 is not available from iconv");
    }
}

Cp932Codec::~Cp932Codec()
{
    iconv_close(Handle(toUtf16_));
    iconv_close(Handle(fromUtf16_));
}

std::u16string Cp932Codec::decode(std::string_view bytes) const
{
    const std::string raw =
        Convert(Handle(toUtf16_), bytes.data(), bytes.size(), 1, [](std::string& output, std::size_t& produced) {
            if (output.size() < produced + 2) output.resize(produced + 2);
            output[produced++] = static_cast<char>(kCp932DefaultChar & 0xFF);
            output[produced++] = static_cast<char>(kCp932DefaultChar >> 8);
        });
    std::u16string text(raw.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) | (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
    }
    return text;
}

std::string Cp932Codec::encode(std::u16string_view text) const
{
    std::string units(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        units[2 * i] = static_cast<char>(text[i] & 0xFF);
        units[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return Convert(Handle(fromUtf16_), units.data(), units.size(), 2, [](std::string&, std::size_t&) {});
}

}  // namespace zarvo
