#include "core/table_loader.h"

#include "core/hex_text.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {
namespace {

using namespace std::string_literals;

using Lines = std::vector<std::string>;

// Everything a table defines, one line each in a fixed order: "41=A", "8140=you",
// "dte 60=th", "/FE", "*FF", ".code F0 text", ".dual F2F1 text", ".multicode F3 2 text",
// ".nontbl text", ".startdump text", ".enddump text".
Lines Entries(const TableData& t)
{
    Lines lines;
    const auto add = [&lines](bool used, const std::string& line) {
        if (used) lines.push_back(line);
    };
    for (int byte = 0; byte < 256; ++byte)
        add(t.singleText[byte].has_value(), FormatHex(byte, 2) + "=" + t.singleText[byte].value_or(""));
    for (int key = 0; key < 65536; ++key) {
        const std::string* text = PairTextAt(t, static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key));
        add(text != nullptr, FormatHex(key, 4) + "=" + (text != nullptr ? *text : ""));
    }
    for (int byte = 0; byte < 256; ++byte) {
        const auto& pair = t.dtePairs[byte];
        add(t.dteFilled[byte], "dte " + FormatHex(byte, 2) + "=" + std::string(pair.begin(), pair.begin() + 2));
    }
    add(t.lineMark != 0, static_cast<char>(t.lineMark) + FormatHex(t.lineCode, 2));
    add(t.endMark != 0, static_cast<char>(t.endMark) + FormatHex(t.endCode, 2));
    for (int byte = 0; byte < 256; ++byte)
        add(t.codeTable[byte].used, ".code " + FormatHex(byte, 2) + " " + t.codeTable[byte].text);
    for (int i = 0; i < t.dualCount; ++i)
        add(true, ".dual " + FormatHex(t.dualList[i].value, 4) + " " + t.dualList[i].text);
    for (int byte = 0; byte < 256; ++byte) {
        const CodeEntry& multi = t.multiTable[byte];
        add(multi.used, ".multicode " + FormatHex(byte, 2) + " " + std::to_string(multi.value) + " " + multi.text);
    }
    add(t.rawFormat.used, ".nontbl " + t.rawFormat.text);
    add(t.dumpHeader.used, ".startdump " + t.dumpHeader.text);
    add(t.dumpFooter.used, ".enddump " + t.dumpFooter.text);
    return lines;
}

class TableLoaderTest : public ::testing::Test {
protected:
    TableLoadResult Load(std::string_view content)
    {
        return TableLoader(doc, session, folder.write("game.tbl", content));
    }
    [[nodiscard]] std::string Single(int byte) const { return doc.table.singleText[byte].value_or("<none>"); }
    [[nodiscard]] std::string Pair(int key) const
    {
        const std::string* text = PairTextAt(doc.table, static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key));
        return text != nullptr ? *text : "<none>";
    }

    testing::TempFolder folder;
    DocRecord doc;
    TableSession session;
};

TEST_F(TableLoaderTest, LoadsTheWorkedExampleWithCrLfLines)
{
    const std::string lines[] = {
        "41=A",
        "60=th",
        "8140=you",
        "/FE",
        "*FF",
        "(1A2Bh)Title screen",
        "[00012000-000120FF]Intro",
        ".code=$F0 \"[WAIT]\"",
        ".dual $F1F2 \"[NAME]\"",
        ".multicode $F3 2 \"[SE_]\"",
        ".nontbl \"<$>\"",
        ".startdump \"Dump of %romname\\n\",",
        "\"Range %startofs-%endofs\\n\"",
        "Final Fantasy translation table",
    };
    std::string content;
    for (const auto& line : lines) content += line + "\r\n";
    ASSERT_EQ(Load(content), TableLoadResult::Loaded);
    // The free-text line and the line ends leave nothing behind.
    EXPECT_EQ(Entries(doc.table), (Lines{"41=A", "60=th", "8140=you", "dte 60=th", "/FE", "*FF", ".code F0 [WAIT]",
                                         ".dual F2F1 [NAME]", ".multicode F3 2 [SE_]", ".nontbl <$>",
                                         ".startdump Dump of %romname\\nRange %startofs-%endofs\\n"}));
    EXPECT_EQ(session.jumpList, Lines{"Title screen->[1A2B]"});
    EXPECT_EQ(session.dumpLabels, Lines{"[00012000-000120FF]Intro"});
}

TEST_F(TableLoaderTest, EntryTextsKeepBlanksAndShortLinesDefineNothing)
{
    ASSERT_EQ(Load("41= A \n\n4\n8140=you\n41\n42=\nab12=lower\n123456=long\n60=th\n60=x\n"), TableLoadResult::Loaded);
    // Neither blank nor short lines land on 0; a later entry replaces the text but leaves the DTE pair.
    EXPECT_EQ(Entries(doc.table), (Lines{"41= A ", "42=", "60=x", "8140=you", "AB12=lower", "dte 60=th"}));
}

TEST_F(TableLoaderTest, LinesWhoseKeyIsNotHexadecimalDefineNothing)
{
    // Each key holds a character that is no hexadecimal digit; a reading that stops
    // there would file the text under byte 00, 04 or 05, or pair 0000 or 1200.
    ASSERT_EQ(Load("ZZ=Q\nG0=Q\n4g=Q\n 5=Q\n-1=Q\n0x=Q\nZZZZ=Q\n12G4=Q\n 123=Q\n41=A\n"), TableLoadResult::Loaded);
    EXPECT_EQ(Entries(doc.table), Lines{"41=A"});
}

TEST_F(TableLoaderTest, MarkerLinesWithoutADigitSetNoCode)
{
    ASSERT_EQ(Load("/FE\n*FF\n// a comment\n/\n*x\n\\\n"), TableLoadResult::Loaded);
    EXPECT_EQ(Entries(doc.table), (Lines{"/FE", "*FF"}));
}

TEST_F(TableLoaderTest, ContinuedDumpTemplatesJoinAndStopAtEndOfFile)
{
    // The header's continuation never ends: 100 lines of 100 characters each.
    std::string content = ".enddump=\"a=1\",\n\"b\", x\n\"c\"\n41=A\n.startdump \"\",\n";
    for (int i = 0; i < 100; ++i) content += '"' + std::string(100, 'x') + "\",\n";
    ASSERT_EQ(Load(content), TableLoadResult::Loaded);
    EXPECT_EQ(doc.table.dumpFooter.text, "a=1bc");
    EXPECT_EQ(Single(0x41), "A");  // the line after the template is read as usual
    EXPECT_EQ(doc.table.dumpHeader.text, std::string(8191, 'x'));
}

TEST_F(TableLoaderTest, DumpLabelsAndDualCodesStopAtTheirLimits)
{
    std::string content;
    for (int i = 0; i < 200; ++i) content += "[00000000-000000FF]label" + std::to_string(i) + "\n";
    for (int i = 0; i < 300; ++i) content += ".dual " + std::to_string(i) + " \"d" + std::to_string(i) + "\"\n";
    for (int i = 0; i < 70000; ++i) content += "(" + std::to_string(i) + "h)b\n";
    ASSERT_EQ(Load(content), TableLoadResult::Loaded);
    ASSERT_EQ(session.jumpList.size(), 65536u);
    EXPECT_EQ(session.jumpList.back(), "b->[65535]");
    ASSERT_EQ(session.dumpLabelCount(), 128u);
    EXPECT_EQ(session.dumpLabels[127], "[00000000-000000FF]label127");
    ASSERT_EQ(doc.table.dualCount, 255);
    EXPECT_EQ(doc.table.dualList[254].text, "d254");
    EXPECT_EQ(doc.table.dualList[254].value, 0xFE00u);
    EXPECT_EQ(doc.table.dualList[255].used, 0u);
}

TEST_F(TableLoaderTest, ReloadingReplacesEntriesButKeepsDumpTemplates)
{
    ASSERT_EQ(Load(".startdump \"head\"\n.enddump \"foot\"\n.nontbl \"[$]\"\nFFFF=x\n41=A\n/FE\n"
                   ".code $80 \"c\"\n.dual $0102 \"d\"\n(10h)mark\n[00000000-00000010]lab\n"),
              TableLoadResult::Loaded);
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(Load("42=B\n.dual $0304 \"e\"\n"), TableLoadResult::Loaded);
        EXPECT_EQ(Entries(doc.table),
                  (Lines{"42=B", ".dual 0403 e", ".nontbl [$]", ".startdump head", ".enddump foot"}));
        EXPECT_TRUE(session.jumpList.empty());
        EXPECT_EQ(session.dumpLabelCount(), 0u);
    }
}

// Nothing that is not a regular file is read, and nothing larger than 64 MiB: a FIFO
// would wait for a writer for ever and /dev/zero never ends.
TEST_F(TableLoaderTest, UnreadableTableFallsBackToAsciiAndKeepsJumpList)
{
    const std::string largest = folder.write("largest.tbl", "41=A\n");
    std::filesystem::resize_file(largest, 64 << 20);
    ASSERT_EQ(TableLoader(doc, session, largest), TableLoadResult::Loaded);
    EXPECT_EQ(Single(0x41), "A");

    const std::pair<std::string, InputError> cases[] = {
        {folder.file("missing.tbl"), InputError::CannotOpen},
        {std::string(), InputError::CannotOpen},
        {folder.path().string(), InputError::NotRegularFile},
        {folder.fifo("fifo.tbl"), InputError::NotRegularFile},
        {"/dev/zero", InputError::NotRegularFile},
        {folder.sparse("huge.tbl", (64 << 20) + 1), InputError::TooLarge},
    };
    for (const auto& [path, error] : cases) {
        SCOPED_TRACE(path);
        ParseTableText(doc.table, session, "8140=you\n(10h)mark\n[00000000-00000010]lab\n");
        doc.table.activeTable = 0;
        InputFailure failure;
        ASSERT_EQ(TableLoader(doc, session, path, &failure), TableLoadResult::FellBackToAscii);
        EXPECT_EQ(failure.error, error);
        EXPECT_EQ(doc.table.activeTable, kAsciiTable);
        EXPECT_EQ(Pair(0x8140), "<none>");
        EXPECT_EQ(session.dumpLabelCount(), 0u);
        EXPECT_FALSE(session.jumpList.empty());
        session.jumpList.clear();
    }
}

// A file loaded into a slot names that slot, which becomes the active table (the ASCII
// table when the file cannot be read); the other slot keeps its name. The slot's own
// name may be given again, as switching to the other table does.
TEST_F(TableLoaderTest, LoadingIntoASlotNamesItAndMakesItActive)
{
    const std::string readable = folder.write("game.tbl", "41=A\n");
    const std::string missing = folder.file("missing.tbl");
    const struct {
        int slot;
        std::string path;
        TableLoadResult result;
        int8_t active;
        const char* byte42;  // none in the file, 'B' in the ASCII table
    } cases[] = {
        {1, readable, TableLoadResult::Loaded, 1, "<none>"},
        {0, missing, TableLoadResult::FellBackToAscii, kAsciiTable, "B"},
        {0, "<own name>", TableLoadResult::Loaded, 0, "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        doc.table.tableName = {readable, "other.tbl"};
        const std::string& path = c.path == "<own name>" ? doc.table.tableName[0] : c.path;
        const std::string expectedName = path;
        EXPECT_EQ(LoadTableIntoSlot(doc, session, c.slot, path), c.result);
        EXPECT_EQ(doc.table.activeTable, c.active);
        EXPECT_EQ(doc.table.tableName[c.slot], expectedName);
        EXPECT_EQ(doc.table.tableName[1 - c.slot], c.slot == 1 ? readable : "other.tbl");
        EXPECT_EQ(Single(0x42), c.byte42);
    }
}

TEST_F(TableLoaderTest, AsciiTableMapsPrintableBytesThroughTheShift)
{
    const struct {
        int shift;
        int byte;
        const char* shown;
    } cases[] = {{0, 0x20, " "}, {0, 0x7E, "~"}, {1, 0x41, "B"}, {1, 0x7E, "\x7F"}, {-1, 0x20, "\x1F"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift);
        doc.asciiShift = static_cast<int8_t>(c.shift);
        LoadAsciiTable(doc, session);
        EXPECT_EQ(Single(c.byte), c.shown);
        EXPECT_EQ(Single(0x1F), "<none>");
        EXPECT_EQ(Single(0x7F), "<none>");
        const auto& texts = doc.table.singleText;
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const auto& t) { return t.has_value(); }), 95);
    }
}

// The pieces of lines with every kind of ending, at most 254 characters each: the rest
// of a longer line is read as a line of its own.
TEST_F(TableLoaderTest, LineEndsCutThePieces)
{
    const std::string a254 = "42=" + std::string(251, 'a');  // exactly one piece, then CR LF
    const std::string b254 = "43=" + std::string(251, 'b');
    const std::string content = "41=A\r\n\r\nB\rC\r\r\nx\0y\r\nz\n"s + a254 + "\r\n" + b254 + "44=d\rq\nend\r";
    const std::vector<std::string> expected = {"41=A", "", "B\rC\r", "x", "z", a254, b254, "44=d\rq", "end"};
    const auto piecesOf = [](TableLineReader& reader) {
        std::vector<std::string> pieces;
        std::string_view piece;
        while (reader.Next(piece)) pieces.emplace_back(piece);
        return pieces;
    };
    TableLineReader fromMemory(content);
    EXPECT_EQ(piecesOf(fromMemory), expected);
    ASSERT_EQ(Load(content), TableLoadResult::Loaded);
    EXPECT_EQ(Single(0x42), std::string(251, 'a'));
    EXPECT_EQ(Single(0x43), std::string(251, 'b'));
    EXPECT_EQ(Single(0x44), "d\rq");
}

TEST(DirectiveTest, CodeDefinesTheSlotNamedByItsNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {".code $80 \"a=b\"", ".code 80 a b"},  // the first '=' of the line becomes a blank
        {".code=$80 \"a=b\"", ".code 80 a=b"},
        {".CODE\t$8a \"x\"", ".code 8A x"},
        {".code 128 \"y\"", ".code 80 y"},  // decimal without '$'
        {".code 80 \"z\"", ".code 50 z"},
        {".code $1F0 \"w\"", ".code F0 w"},  // cut to 8 bits
        {".codes $81 \"p\"", ".code 81 p"},  // names compare by prefix
        {".code=$82 no quotes", ".code 82 .code $82 no quotes"},
        {".code $83 \"open", ".code 83 open"},
        {".code \"q\"", nullptr},  // no number: ignored
        {".code", nullptr},
        {".code $", nullptr},
        {".code -5 \"m\"", nullptr},
        {".cod $84 \"n\"", nullptr},
    };
    for (const auto& [line, entry] : cases) {
        EXPECT_EQ(Entries(testing::TableFrom(line)), entry ? Lines{entry} : Lines{}) << line;
    }
}

TEST(DirectiveTest, DualMulticodeAndNontblReadTheirWords)
{
    // .dual swaps its code's bytes; .nontbl is matched whole.
    EXPECT_EQ(Entries(testing::TableFrom(".dual $12345 \"cut\"\n.DUAL=4660 \"dec\"\n.dual \"none\"\n"
                                         ".multicode $F3 $10 \"[SE_]\"\n.multicode $F4 \"[no count]\"\n"
                                         ".multicode \"x\"\n.nontblx \"<$>\"\n")),
              (Lines{".dual 4523 cut", ".dual 3412 dec", ".multicode F3 16 [SE_]", ".multicode F4 0 [no count]"}));
    EXPECT_EQ(Entries(testing::TableFrom(".NonTbl=\"<$>\"\n")), Lines{".nontbl <$>"});
}

TEST(DirectiveTest, OtherLineKindsNeedNoEqualsAsFifthCharacter)
{
    TableData table;
    TableSession session;
    ParseTableText(table, session, "(1Ah=x\n[0-1=y\n.cod=z\n()empty\n(5h) named\n(12h\n[1-2\n");
    // Each of the first three lines has the shape of a pair entry, and no hexadecimal key.
    EXPECT_EQ(PairTextAt(table, 0, 0), nullptr);
    EXPECT_EQ(session.jumpList, (std::vector<std::string>{"empty->[]", " named->[5]"}));
    EXPECT_TRUE(session.dumpLabels.empty());
}

}  // namespace
}  // namespace zarvo
