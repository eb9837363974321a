#pragma once
// Code page 932 (Shift-JIS) to UTF-16 through iconv. Bytes that do not decode
// become U+30FB, the code page's default character.

#include <string>
#include <string_view>

namespace zarvo {

inline constexpr char16_t kCp932DefaultChar = u'\u30FB';

class Cp932Codec {
public:
    Cp932Codec();
    ~Cp932Codec();
    Cp932Codec(const Cp932Codec&) = delete;
    Cp932Codec& operator=(const Cp932Codec&) = delete;

    [[nodiscard]] std::u16string decode(std::string_view bytes) const;
    // The Shift-JIS bytes of a UTF-16 text; characters without a code are dropped.
    [[nodiscard]] std::string encode(std::u16string_view text) const;

private:
    void* toUtf16_;
    void* fromUtf16_;
};

}  // namespace zarvo
