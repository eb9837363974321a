#include "script/script_table.h"

#include "core/hex_text.h"

#include <algorithm>
#include <cctype>

namespace zarvo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kRawLength = 5;  // "<$XX>", "($XX)", "[065]"

// A directive text as a token: its "\t" is a tab, and its "\n", which only lays out
// the text dump, is dropped.
[[nodiscard]] std::string DirectiveToken(std::string_view text, bool& breaksLine)
{
    std::string token;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't')) {
            if (text[i + 1] == 'n')
                breaksLine = true;
            else
                token += '\t';
            ++i;
            continue;
        }
        token += text[i];
    }
    return token;
}

// The .multicode text split as the text dump writes it: the text up to its first '_'
// (or a '>' before it), then '$' and the parameters, then the text after that
// character; a text without '_' is split after its first character.
void SplitMulticode(const std::string& text, ScriptToken& token)
{
    std::size_t head = text.size();
    bool underscore = false;
    for (std::size_t i = 0; i < text.size() && !underscore; ++i) {
        underscore = text[i] == '_';
        if ((underscore || text[i] == '>') && head == text.size()) head = i;
    }
    std::size_t restStart = head + 1;
    if (!underscore) head = restStart = std::min<std::size_t>(text.size(), 1);
    token.text = text.substr(0, head) + '$';
    token.rest = restStart < text.size() ? text.substr(restStart) : std::string();
}

[[nodiscard]] bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }

// Even-length hexadecimal text as its bytes; nothing for anything else.
[[nodiscard]] std::optional<std::vector<uint8_t>> KeyBytes(std::string_view digits)
{
    if (digits.empty() || digits.size() % 2 != 0 || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(HexDigitValue(digits[i]) * 16 + HexDigitValue(digits[i + 1])));
    }
    return bytes;
}

[[nodiscard]] uint64_t KeyValue(const std::vector<uint8_t>& bytes)
{
    uint64_t value = 0;
    for (const uint8_t byte : bytes) value = value << 8 | byte;
    return value;
}

}  // namespace

int32_t ScriptTable::add(ScriptToken token)
{
    tokens_.push_back(std::move(token));
    return static_cast<int32_t>(tokens_.size() - 1);
}

void ScriptTable::finish(std::vector<std::pair<std::string, int32_t>> byText) { byText_ = TextTrie(std::move(byText)); }

ScriptTable ScriptTable::FromTable(const TableData& table)
{
    ScriptTable made;
    made.dumpRules_ = true;
    made.pairs_.assign(65536, -1);
    made.duals_.assign(65536, -1);
    // Of equal texts the first given is found: singles by byte, then pairs by key, as
    // the table's reverse lookups choose.
    std::vector<std::pair<std::string, int32_t>> byText;
    const auto addText = [&](ScriptToken token) {
        const std::string key = token.text;
        const int32_t index = made.add(std::move(token));
        if (!key.empty()) byText.emplace_back(key, index);
        return index;
    };
    for (int byte = 0; byte < 256; ++byte) {
        if (const auto& text = table.singleText[static_cast<std::size_t>(byte)]) {
            made.singles_[static_cast<std::size_t>(byte)] = addText({*text, {}, {static_cast<uint8_t>(byte)}});
        }
    }
    for (std::size_t key = 0; key < table.pairText.size(); ++key) {
        if (const auto& text = table.pairText[key]) {
            made.pairs_[key] = addText({*text, {}, {static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)}});
        }
    }
    for (int byte = 0; byte < 256; ++byte) {
        const CodeEntry& code = table.codeTable[static_cast<std::size_t>(byte)];
        if (code.used == 0) continue;
        ScriptToken token{{}, {}, {static_cast<uint8_t>(byte)}};
        token.text = DirectiveToken(code.text, token.breaksLine);
        made.codes_[static_cast<std::size_t>(byte)] = addText(std::move(token));
    }
    for (int i = 0; i < table.dualCount; ++i) {
        const CodeEntry& dual = table.dualList[static_cast<std::size_t>(i)];
        if (dual.used == 0) continue;
        // value holds the code's bytes in file order as a little-endian word; the dump
        // reads the first record of a code.
        ScriptToken token{{}, {}, {static_cast<uint8_t>(dual.value), static_cast<uint8_t>(dual.value >> 8)}};
        token.text = DirectiveToken(dual.text, token.breaksLine);
        const int32_t index = addText(std::move(token));
        if (made.duals_[dual.value & 0xFFFF] < 0) made.duals_[dual.value & 0xFFFF] = index;
    }
    for (int byte = 0; byte < 256; ++byte) {
        const CodeEntry& multi = table.multiTable[static_cast<std::size_t>(byte)];
        if (multi.used == 0) continue;
        ScriptToken token{{}, {}, {static_cast<uint8_t>(byte)}, TokenKind::Multicode};
        bool breaksLine = false;
        SplitMulticode(DirectiveToken(multi.text, breaksLine), token);
        token.breaksLine = breaksLine;
        token.parameters = static_cast<int>(std::min<uint32_t>(multi.value, 255));
        made.multicodes_[static_cast<std::size_t>(byte)] = addText(std::move(token));
    }
    if (table.endMark != 0) {
        made.endCode_ = static_cast<uint8_t>(table.endCode);
        made.endToken_ = addText({"<END>", {}, {made.endCode_}, TokenKind::End});
    }
    if (table.lineMark != 0) {
        made.lineCode_ = static_cast<uint8_t>(table.lineCode);
        made.lineToken_ = addText({"<LINE>", {}, {made.lineCode_}, TokenKind::Line, 0, true});
    }
    if (table.rawFormat.used != 0) {
        const std::string& form = table.rawFormat.text;
        made.rawFormat_ = true;
        made.rawOpen_ = form.empty() || form.front() == '$' ? '(' : form.front();
        made.rawClose_ = form.empty() || form.back() == '$' ? ')' : form.back();
        made.rawHex_ = form.find('$') != std::string::npos;
    }
    made.finish(std::move(byText));
    return made;
}

ScriptTable ScriptTable::FromAtlasText(std::string_view content)
{
    ScriptTable made;
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    struct Keyed {
        uint64_t key;
        std::size_t length;
        int32_t index;
    };
    std::vector<Keyed> keyed;
    std::vector<std::pair<std::string, int32_t>> byBytes;
    std::vector<std::pair<std::string, int32_t>> noBytes;  // end tokens that write nothing
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || std::string_view("([{!@$").find(line.front()) != std::string_view::npos) continue;

        ScriptToken token;
        std::string_view key = line;
        const std::size_t equals = line.find('=');
        if (line.front() == '/' || line.front() == '*') {
            token.kind = line.front() == '/' ? TokenKind::End : TokenKind::Line;
            token.breaksLine = token.kind == TokenKind::Line;
            key = line.substr(1, equals == std::string_view::npos ? std::string_view::npos : equals - 1);
        } else if (equals == std::string_view::npos) {
            continue;
        } else {
            key = line.substr(0, equals);
        }
        const auto bytes = KeyBytes(key);
        if (token.kind == TokenKind::End && (!bytes || equals == std::string_view::npos)) {
            // "/text": a string ends here, and no byte is written for it.
            token.text = std::string(line.substr(1));
            if (token.text.empty()) continue;
            std::string text = token.text;
            const int32_t index = made.add(std::move(token));
            noBytes.emplace_back(std::move(text), index);
            continue;
        }
        if (!bytes) continue;
        token.bytes = *bytes;
        if (equals != std::string_view::npos) {
            token.text = std::string(line.substr(equals + 1));
        } else if (token.kind == TokenKind::Line) {
            token.text = "<LINE>";
        } else {
            continue;
        }
        const std::string keyText(token.bytes.begin(), token.bytes.end());
        const uint64_t value = KeyValue(token.bytes);
        const std::size_t length = token.bytes.size();
        const int32_t index = made.add(std::move(token));
        byBytes.emplace_back(keyText, index);
        keyed.push_back({value, length, index});
    }
    // Of equal texts the lowest key is found; texts without bytes come after them.
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.key != b.key ? a.key < b.key : a.length < b.length;
    });
    std::vector<std::pair<std::string, int32_t>> byText;
    for (const Keyed& entry : keyed) {
        const std::string& text = made.tokens_[static_cast<std::size_t>(entry.index)].text;
        if (!text.empty()) byText.emplace_back(text, entry.index);
    }
    byText.insert(byText.end(), noBytes.begin(), noBytes.end());
    made.byBytes_ = TextTrie(std::move(byBytes));
    made.finish(std::move(byText));
    return made;
}

std::size_t ScriptTable::rawAt(std::string_view text, std::size_t at, uint8_t& byte) const
{
    if (text.size() - at < kRawLength) return 0;
    const std::string_view five = text.substr(at, kRawLength);
    const auto hexByte = [&byte](char high, char low) {
        if (!IsHexDigit(high) || !IsHexDigit(low)) return false;
        byte = static_cast<uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low));
        return true;
    };
    if ((five.starts_with("<$") && five[4] == '>') || (five.starts_with("($") && five[4] == ')')) {
        return hexByte(five[2], five[3]) ? kRawLength : 0;
    }
    if (!rawFormat_ || five[0] != rawOpen_ || five[4] != rawClose_) return 0;
    if (rawHex_) return five[1] == '$' && hexByte(five[2], five[3]) ? kRawLength : 0;
    if (!std::all_of(five.begin() + 1, five.begin() + 4,
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return 0;
    }
    const int value = (five[1] - '0') * 100 + (five[2] - '0') * 10 + (five[3] - '0');
    if (value > 255) return 0;
    byte = static_cast<uint8_t>(value);
    return kRawLength;
}

std::size_t ScriptTable::multicodeAt(const ScriptToken& token, std::string_view text, std::size_t after,
                                     std::vector<uint8_t>& parameters) const
{
    const auto digits = static_cast<std::size_t>(token.parameters) * 2;
    if (text.size() - after < digits + token.rest.size()) return 0;
    parameters.clear();
    for (std::size_t i = 0; i < digits; i += 2) {
        const char high = text[after + i];
        const char low = text[after + i + 1];
        if (!IsHexDigit(high) || !IsHexDigit(low)) return 0;
        parameters.push_back(static_cast<uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low)));
    }
    if (text.compare(after + digits, token.rest.size(), token.rest) != 0) return 0;
    return digits + token.rest.size();
}

TextToken ScriptTable::longestAt(std::string_view text, std::size_t at) const
{
    TextToken best;
    std::vector<uint8_t> parameters;
    byText_.eachAt(text, at, [&](TextTrie::Found found) {
        const ScriptToken& token = tokens_[static_cast<std::size_t>(found.value)];
        std::size_t length = found.length;
        if (token.kind == TokenKind::Multicode) {
            const std::size_t more = multicodeAt(token, text, at + found.length, parameters);
            if (more == 0 && token.parameters + token.rest.size() > 0) return true;
            length += more;
        }
        if (length > best.length) {
            best = TextToken{length, found.value, 0,
                             token.kind == TokenKind::Multicode ? parameters : std::vector<uint8_t>{}};
        }
        return true;
    });
    uint8_t byte = 0;
    if (const std::size_t raw = rawAt(text, at, byte); raw != 0 && raw >= best.length) {
        best = TextToken{raw, -1, byte, {}};
    }
    return best;
}

void ScriptTable::appendBytes(const TextToken& found, std::vector<uint8_t>& out) const
{
    if (found.token < 0) {
        out.push_back(found.rawByte);
        return;
    }
    const ScriptToken& token = tokens_[static_cast<std::size_t>(found.token)];
    out.insert(out.end(), token.bytes.begin(), token.bytes.end());
    out.insert(out.end(), found.parameters.begin(), found.parameters.end());
}

ByteToken ScriptTable::readAt(std::span<const uint8_t> bytes, std::size_t at) const
{
    if (!dumpRules_) {
        const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        const TextTrie::Found found = byBytes_.longestAt(view, at);
        return found.length == 0 ? ByteToken{} : ByteToken{found.length, found.value};
    }
    const uint8_t byte = bytes[at];
    const bool twoLeft = at + 1 < bytes.size();
    const uint8_t next = twoLeft ? bytes[at + 1] : 0;
    if (twoLeft && duals_[static_cast<std::size_t>(byte | next << 8)] >= 0) {
        return {2, duals_[static_cast<std::size_t>(byte | next << 8)]};
    }
    if (codes_[byte] >= 0) return {1, codes_[byte]};
    if (const int32_t multi = multicodes_[byte]; multi >= 0) {
        const auto count = static_cast<std::size_t>(tokens_[static_cast<std::size_t>(multi)].parameters);
        // Parameters that run past the bytes are not read: the dump writes none.
        return at + count < bytes.size() ? ByteToken{1 + count, multi} : ByteToken{};
    }
    if (twoLeft && pairs_[static_cast<std::size_t>(byte * 256 + next)] >= 0) {
        return {2, pairs_[static_cast<std::size_t>(byte * 256 + next)]};
    }
    if (singles_[byte] >= 0) return {1, singles_[byte]};
    if (lineToken_ >= 0 && byte == lineCode_) return {1, lineToken_};
    if (endToken_ >= 0 && byte == endCode_) return {1, endToken_};
    return {};
}

std::string ScriptTable::textOf(const ByteToken& read, std::span<const uint8_t> bytes, std::size_t at) const
{
    if (read.token < 0) return {};
    const ScriptToken& token = tokens_[static_cast<std::size_t>(read.token)];
    if (token.kind != TokenKind::Multicode) return token.text;
    std::string text = token.text;
    for (std::size_t i = 1; i < read.length; ++i) AppendHex(text, bytes[at + i], 2);
    return text + token.rest;
}

std::string ScriptTable::RawText(uint8_t byte)
{
    std::string text = "<$";
    AppendHex(text, byte, 2);
    return text + '>';
}

}  // namespace zarvo
