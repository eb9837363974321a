#pragma once
// A table as scripts use it: the tokens a script's text is made of, each with the
// bytes it stands for, and the reading of bytes back into tokens.
//
// From a table of ours: every single and pair entry, the .code, .dual and .multicode
// texts (a .multicode text with its parameters as the text dump writes them: "[SE_]"
// with two parameters is "[SE$102A]"), "<END>" for the end mark and "<LINE>" for the
// line mark. Directive texts lose their "\n", which only lays out a dump. Bytes are read
// back by the text dump's rules: .dual, .code, .multicode, pair, single, marks.
//
// From a table in the script inserters' dialect (--atlas-tables): "XXXX...=text" for
// keys of any even number of digits, "/XX=text" an end token ("/text" one that writes
// no byte), "*XX" or "*XX=text" a line token; the first of equal keys counts. Bytes are
// read back by the longest key.
//
// Both take raw bytes as "<$XX>" or "($XX)" (either letter case), and ours also in its
// .nontbl form. At each place of a text the longest token is taken; of equal texts,
// the lowest key.

#include "core/table.h"
#include "script/text_trie.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

enum class TokenKind : uint8_t {
    Text,       // an entry or a control code
    End,        // ends a string
    Line,       // a line break of the game; the script dump starts a new line after it
    Multicode,  // a code byte and its parameters
};

struct ScriptToken {
    std::string text;  // Multicode: the text before the parameters, ending in '$'
    std::string rest;  // Multicode: the text after the parameters
    std::vector<uint8_t> bytes;
    TokenKind kind = TokenKind::Text;
    int parameters = 0;       // Multicode: the parameter bytes after the code
    bool breaksLine = false;  // its directive text held "\n"
};

// One token found in a text: a table token, or a raw byte.
struct TextToken {
    std::size_t length = 0;  // characters of the text it takes; 0 when none matched
    int32_t token = -1;      // index into tokens(); -1 for a raw byte
    uint8_t rawByte = 0;
    std::vector<uint8_t> parameters;  // of a Multicode
};

// One token read from bytes.
struct ByteToken {
    std::size_t length = 1;  // bytes it takes (0 never: a byte without a token is raw)
    int32_t token = -1;      // -1: a raw byte
};

class ScriptTable {
public:
    ScriptTable() = default;
    [[nodiscard]] static ScriptTable FromTable(const TableData& table);
    [[nodiscard]] static ScriptTable FromAtlasText(std::string_view content);

    [[nodiscard]] const std::vector<ScriptToken>& tokens() const { return tokens_; }
    [[nodiscard]] const ScriptToken& token(int32_t index) const { return tokens_[static_cast<std::size_t>(index)]; }

    // The longest token that text[at...] begins with.
    [[nodiscard]] TextToken longestAt(std::string_view text, std::size_t at) const;
    // The bytes a token found in a text stands for, appended to out.
    void appendBytes(const TextToken& found, std::vector<uint8_t>& out) const;
    // How the bytes from at on read, by the table's reading rules.
    [[nodiscard]] ByteToken readAt(std::span<const uint8_t> bytes, std::size_t at) const;
    // The text of a token read from bytes (at its place, for a multicode's parameters),
    // as the script dump writes it; empty for a raw byte.
    [[nodiscard]] std::string textOf(const ByteToken& read, std::span<const uint8_t> bytes, std::size_t at) const;
    // True for a table of ours, whose bytes read back by the dump's rules: the text read
    // must then be the text typed. The other dialect's tables may give one key several
    // texts, any of which reads back as that key.
    [[nodiscard]] bool readsByDumpRules() const { return dumpRules_; }
    // A raw byte written as the script dump writes it: "<$XX>".
    [[nodiscard]] static std::string RawText(uint8_t byte);

private:
    [[nodiscard]] int32_t add(ScriptToken token);
    void finish(std::vector<std::pair<std::string, int32_t>> byText);
    // The length of a raw escape at text[at], with its byte; 0 when there is none.
    [[nodiscard]] std::size_t rawAt(std::string_view text, std::size_t at, uint8_t& byte) const;
    // The parameters and the rest of a multicode whose head matched at text[at+head...].
    [[nodiscard]] std::size_t multicodeAt(const ScriptToken& token, std::string_view text, std::size_t after,
                                          std::vector<uint8_t>& parameters) const;

    std::vector<ScriptToken> tokens_;
    TextTrie byText_;
    // Our tables are read by the dump's rules, the others by their longest key.
    bool dumpRules_ = false;
    TextTrie byBytes_;
    std::vector<int32_t> singles_ = std::vector<int32_t>(256, -1);
    std::vector<int32_t> pairs_;  // by first * 256 + second, when dumpRules_
    std::vector<int32_t> codes_ = std::vector<int32_t>(256, -1);
    std::vector<int32_t> multicodes_ = std::vector<int32_t>(256, -1);
    std::vector<int32_t> duals_;  // by first | second << 8
    int32_t lineToken_ = -1;
    int32_t endToken_ = -1;
    uint8_t lineCode_ = 0;
    uint8_t endCode_ = 0;
    // The .nontbl form: open, close, and whether the byte is hexadecimal ("$XX") or three
    // decimal digits.
    bool rawFormat_ = false;
    char rawOpen_ = '(';
    char rawClose_ = ')';
    bool rawHex_ = true;
};

}  // namespace zarvo
