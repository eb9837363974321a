#include "search/search_pattern.h"

#include "core/hex_text.h"
#include "search/search_messages.h"

#include <string>
#include <vector>

namespace zarvo {

namespace {

// Collects pattern bytes, counting past the capacity so that a text too long for
// searchPattern is refused instead of cut (a cut pattern finds what was not asked).
class PatternWriter {
public:
    void add(uint8_t byte)
    {
        if (count_ < kSearchPatternBytes) pattern_.bytes[static_cast<std::size_t>(count_)] = byte;
        ++count_;
    }
    void addKey(int key)
    {
        add(static_cast<uint8_t>(key >> 8));
        add(static_cast<uint8_t>(key & 0xFF));
    }
    // The table entry of a character: a single byte first, else a pair.
    void addEntry(const TableData& table, std::string_view character, FindMode mode)
    {
        if (const int byte = FindSingle(table, character, mode); byte >= 0) {
            add(static_cast<uint8_t>(byte));
        } else if (const int key = FindPair(table, character, mode); key >= 0) {
            addKey(key);
        }
    }
    [[nodiscard]] SearchPattern finish()
    {
        if (count_ > kSearchPatternBytes) return Refused(PatternError::TooLong);
        if (count_ == 0) return Refused(PatternError::NothingToSearch);
        pattern_.length = count_;
        return pattern_;
    }

    [[nodiscard]] static SearchPattern Refused(PatternError error)
    {
        SearchPattern refused;
        refused.error = error;
        return refused;
    }

private:
    SearchPattern pattern_;
    int32_t count_ = 0;
};

// What may stand between hexadecimal pairs, as in pasted hexadecimal text.
[[nodiscard]] bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

[[nodiscard]] char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

SearchPattern BuildTextPattern(const TableData& table, std::string_view text, bool ignoreCase, bool wildcard)
{
    PatternWriter writer;
    for (const char typed : text) {
        const char c = ignoreCase ? UpperAscii(typed) : typed;
        if (wildcard && c == '*') {
            writer.add(kWildcardByte);
        } else {
            writer.addEntry(table, std::string_view(&c, 1), FindMode::Exact);
        }
    }
    return writer.finish();
}

SearchPattern BuildHexPattern(std::string_view text, bool wildcard)
{
    // The pairs first, so that a missing digit or a text too long is told before
    // anything in a pair.
    std::vector<std::string_view> pairs;
    for (std::size_t at = 0; at < text.size();) {
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        if (at + 1 == text.size()) return PatternWriter::Refused(PatternError::HexMissingDigit);
        pairs.push_back(text.substr(at, 2));
        at += 2;
    }
    if (pairs.empty()) return PatternWriter::Refused(PatternError::NothingToSearch);
    if (pairs.size() > static_cast<std::size_t>(kSearchPatternBytes)) {
        return PatternWriter::Refused(PatternError::TooLong);
    }
    PatternWriter writer;
    for (const std::string_view pair : pairs) {
        if (pair[0] == '*') {
            if (!wildcard) return PatternWriter::Refused(PatternError::WildCardNotEnabled);
            writer.add(kWildcardByte);
        } else {
            writer.add(static_cast<uint8_t>(ReadHexPrefix(pair).value));
        }
    }
    return writer.finish();
}

SearchPattern BuildKanaPattern(const TableData& table, std::string_view text)
{
    PatternWriter writer;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::string_view character = text.substr(i, 2);
        if (character == "**") {
            writer.add(kWildcardByte);  // a wildcard whether or not WildCrd is checked
        } else {
            writer.addEntry(table, character, FindMode::Prefix2);
        }
    }
    return writer.finish();
}

SearchPattern BuildRelativePattern(std::string_view word, uint8_t base)
{
    if (word.empty()) return PatternWriter::Refused(PatternError::NothingToSearch);
    if (word.size() > static_cast<std::size_t>(kRelativeWordLength)) {
        return PatternWriter::Refused(PatternError::TooLong);
    }
    PatternWriter writer;
    const auto first = static_cast<uint8_t>(word[0]);
    for (const char letter : word) writer.add(static_cast<uint8_t>(base + static_cast<uint8_t>(letter) - first));
    return writer.finish();
}

Notice PatternErrorNotice(PatternError error)
{
    switch (error) {
    case PatternError::None:
        break;
    case PatternError::NothingToSearch:
        return {NoticeKind::Plain, {}, messages::kNoTextEntered};
    case PatternError::HexMissingDigit:
        return {NoticeKind::Captioned, messages::kErrorInStringCaption, messages::kHexMissingDigit};
    case PatternError::WildCardNotEnabled:
        return {NoticeKind::Captioned, messages::kErrorInStringCaption, messages::kWildCardNotEnabled};
    case PatternError::TooLong:
        return {NoticeKind::Captioned, messages::kErrorInStringCaption, messages::kPatternTooLong};
    }
    return {};
}

}  // namespace zarvo
