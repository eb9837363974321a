#include "script/script_table.h"

#include "script/script_reader.h"
#include "support/document_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using Bytes = std::vector<uint8_t>;

ScriptTable Ours(std::string_view content) { return ScriptTable::FromTable(testing::TableFrom(content)); }

// The text as the longest-match reading makes it, tokens joined by '|'; "?" where
// no token covers the text.
std::string Encoded(const ScriptTable& table, std::string_view text)
{
    std::string out;
    Bytes bytes;
    for (std::size_t at = 0; at < text.size();) {
        if (at > 0) out += '|';
        const TextToken found = table.longestAt(text, at);
        if (found.length == 0) return out + "?";
        bytes.clear();
        table.appendBytes(found, bytes);
        for (const uint8_t byte : bytes) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            out += hex;
        }
        at += found.length;
    }
    return out;
}

TEST(ScriptTable, TextsOfOurTablesBecomeTheirBytes)
{
    const ScriptTable table = Ours(
        "41=A\n42=B\n60=th\n61=th\n8140=you\n0102=AB\n/FE\n*FF\n.code $F0 \"[WAIT]\\n\"\n"
        ".dual $F1F2 \"[NAME]\"\n.multicode $F3 2 \"[SE_]\"\n.nontbl \"[]\"\n");
    const std::pair<const char*, const char*> cases[] = {
        {"AB", "0102"},  // the longest text wins over two singles
        {"ABA", "0102|41"},
        {"th", "60"},  // equal texts: the lowest key
        {"you", "8140"},
        {"A<LINE>B<END>", "41|FE|42|FF"},
        {"[WAIT]", "F0"},  // a directive's "\n" only lays out a dump
        {"[NAME]", "F1F2"},
        {"[SE$102A]", "F3102A"},
        {"[SE$10]", "?"},  // two parameters, not one
        {"<$41>($7f)<$4g>", "41|7F|?"},
        {"[065][300]", "41|?"},  // the .nontbl form, three decimal digits
        {"C", "?"},
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(Encoded(table, text), bytes) << text;
}

TEST(ScriptTable, AtlasTablesAreReadInTheirOwnDialect)
{
    const ScriptTable table = ScriptTable::FromAtlasText(
        "\xEF\xBB\xBF"
        "41=A\n3D==\n20= \n414243=ABC\n01020304=long\n41=Z\n/FF=<END>\n/<BREAK>\n*FE\n*FD=<NL>\n"
        "(8000h)bookmark\n[1-2]label\n{x}\n!note\n@x\n$x\nno key here\n4=odd\nGG=bad\n");
    const std::pair<const char*, const char*> cases[] = {
        {"A", "41"},  // the first of two lines with one key counts for reading
        {"=", "3D"},  // everything after the first '='
        {" ", "20"},       {"ABC", "414243"},       {"long", "01020304"}, {"Z", "41"},
        {"<END>", "FF"},   {"<LINE><NL>", "FE|FD"}, {"<BREAK>A", "|41"},  // an end token that writes no byte
        {"bookmark", "?"},
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(Encoded(table, text), bytes) << text;
    const Bytes bytes = {0x41, 0x42, 0x43, 0x41};
    const ByteToken read = table.readAt(bytes, 0);
    EXPECT_EQ(read.length, 3U);
    EXPECT_EQ(table.textOf(table.readAt(bytes, 3), bytes, 3), "A");
}

TEST(ScriptReader, CommandsTextAndComments)
{
    const ScriptReading reading = ReadScript(
        "\xEF\xBB\xBF#jmp($-A000, 10)  // comment\r\n// a comment line\nText line\r\n  indented\n"
        "#W16($2815C)//C0A6\n#ADDTBL(\"a b.tbl\", Name_1)\n#VAR(x, -2148236152)\n");
    ASSERT_EQ(reading.error, "");
    ASSERT_EQ(reading.lines.size(), 6U);
    EXPECT_EQ(reading.lines[0].name, "JMP");
    EXPECT_EQ(reading.lines[0].arguments[0].number, -0xA000);
    EXPECT_EQ(reading.lines[0].arguments[1].number, 10);
    EXPECT_EQ(reading.lines[1].text, "Text line");
    EXPECT_EQ(reading.lines[2].text, "  indented");
    EXPECT_EQ(reading.lines[3].arguments[0].number, 0x2815C);
    EXPECT_EQ(reading.lines[4].arguments[0].text, "a b.tbl");
    EXPECT_EQ(reading.lines[4].arguments[1].kind, ScriptArgument::Kind::Name);
    EXPECT_EQ(reading.lines[5].arguments[1].number, -2148236152LL);
    EXPECT_EQ(reading.lines[5].number, 7);
}

TEST(ScriptReader, MalformedCommandsNameTheirLine)
{
    for (const char* line : {"#JMP", "#JMP(1", "#JMP(1,)", "#JMP(1) x", "#(1)", "#JMP($)", "#A(\"open)"}) {
        const ScriptReading reading = ReadScript(std::string("Text\n") + line + "\n");
        EXPECT_EQ(reading.errorLine, 2) << line;
    }
}

}  // namespace
}  // namespace zarvo
