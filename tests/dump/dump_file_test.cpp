#include "dump/dump_file.h"

#include "dump/dump_label.h"
#include "dump_test_support.h"
#include "support/temp_folder.h"
#include "tools/document_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

std::string ReadText(const std::string& path)
{
    const auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

class DumpFileTest : public ::testing::Test {
protected:
    DumpFileTest() : doc(testing::MakeDocument(testing::PatternBytes(0x80000)))
    {
        doc.fileName = "game.smc";
        doc.table = testing::TableFrom(".startdump \"%romname %tblname\\n\"\n/00\n");
        doc.table.tableName[0] = "game.tbl";
    }

    TempFolder folder;
    DocRecord doc;
};

TEST_F(DumpFileTest, BinaryDumpWritesTheRangeCutAtTheFileEnd)
{
    const auto pattern = testing::PatternBytes(0x80000);
    const auto path = folder.file("out.dat");
    const DumpResult result = DumpBinData(doc, {path, "7FFF0", "90000"}, 0);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.mode, DumpMode::Idle);
    EXPECT_EQ(result.notice.text, "Data was dumped to the binary file...");
    EXPECT_EQ(result.notice.caption, "Binary Dumping...");
    EXPECT_EQ(result.notice.kind, DumpNoticeKind::Exclamation);
    EXPECT_TRUE(ReadBytes(path) == std::vector<uint8_t>(pattern.end() - 16, pattern.end()));

    const DumpResult empty = DumpBinData(doc, {path, "100", "FF"}, 0);
    EXPECT_TRUE(empty.written);
    EXPECT_TRUE(ReadBytes(path).empty());
}

TEST_F(DumpFileTest, TextDumpUsesLineFeedsAndTheActiveTablePath)
{
    doc.table.activeTable = 0;
    const auto path = folder.file("out.txt");
    const DumpResult result = DumpTxtData(doc, {path, "0", "0"}, 0);  // byte 0x03: the line mark is 0x00
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.notice.text, "Data was dumped to the text file...");
    EXPECT_EQ(ReadText(path), "game.smc game.tbl\n($03)");
    doc.table.activeTable = kAsciiTable;
    doc.data()[0] = 0x00;
    ASSERT_TRUE(DumpTxtData(doc, {path, "0", "0"}, 0).written);
    EXPECT_EQ(ReadText(path), "game.smc \n\n");
}

TEST_F(DumpFileTest, RefusalsAndFailuresWriteNothingAndSaySo)
{
    const auto path = folder.file("out.txt");
    const DumpResult noName = DumpTxtData(doc, {"", "0", "10"}, 0);
    EXPECT_EQ(noName.mode, DumpMode::NoFileName);
    EXPECT_EQ(noName.notice.text, "No file name specified...");
    EXPECT_EQ(noName.notice.caption, "File Error...");
    EXPECT_EQ(noName.notice.kind, DumpNoticeKind::Stop);

    const DumpResult reversed = DumpTxtData(doc, {path, "10", "0"}, 0);
    EXPECT_EQ(reversed.notice.text, "Ending Address is Less Than Starting Address...");
    EXPECT_EQ(reversed.notice.kind, DumpNoticeKind::Plain);
    EXPECT_EQ(DumpBinData(doc, {path, "90000", "A0000"}, 0).notice.text,
              "Sorry, but the Data size to dump was LESS THAN Zero!");

    const auto missing = folder.file("gone/out.txt");
    const DumpResult cannotCreate = DumpTxtData(doc, {missing, "0", "10"}, 0);
    EXPECT_EQ(cannotCreate.mode, DumpMode::CannotCreate);
    EXPECT_EQ(cannotCreate.notice.text, "Fatal Error: Could not create\n " + missing);
    EXPECT_FALSE(std::filesystem::exists(path));

    // A disk that fills up half way: the old file stays, no success is reported.
    folder.write("out.txt", std::string("old dump"));
    const DumpWriter fullDisk = [&](const DumpProducer& produce) {
        return WriteFileReplacing(path, [&](const ByteSink& sink) {
            const ByteSink failing = [&](const uint8_t* bytes, std::size_t count) {
                return sink(bytes, count / 2) && false;
            };
            return produce(failing);
        });
    };
    const DumpResult failed = DumpTxtData(doc, {path, "0", "7FFFF"}, 0, fullDisk);
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.notice.text, "Fatal Error: Could not write\n " + path);
    EXPECT_EQ(ReadText(path), "old dump");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(DumpFileTest, BatchAnnouncesOnlyItsLastDumpAndSkipsLinesThatAreNoLabels)
{
    doc.table = testing::TableFrom("");
    const std::vector<std::string> lines = {
        "[00000000-0000000F]one",      "[00000010]-broken",        "[00000020-0000002F]two",
        "[00000030-0000001F]reversed", "[00000040-0000004F]three",
    };
    DumpState state;
    const auto dumps = DumpLabelBatch(doc, lines, DumpKind::Binary, state, folder.path().string());
    ASSERT_EQ(dumps.size(), 5U);
    EXPECT_TRUE(dumps[1].skipped);
    EXPECT_EQ(dumps[3].result.notice.text, "Sorry, but the Start offset must\nbe less than the Ending Offset.");
    for (const int i : {0, 2, 4}) EXPECT_TRUE(dumps[i].result.written) << i;
    EXPECT_TRUE(dumps[0].result.notice.empty());
    EXPECT_TRUE(dumps[2].result.notice.empty());
    EXPECT_EQ(dumps[4].result.notice.text, "Data was dumped to the binary file...");
    EXPECT_EQ(state.batchRemaining, 0);
    const auto pattern = testing::PatternBytes(0x50);
    EXPECT_TRUE(ReadBytes(folder.file("two.dat")) ==
                std::vector<uint8_t>(pattern.begin() + 0x20, pattern.begin() + 0x30));

    // One label alone is announced.
    const auto single =
        DumpLabelBatch(doc, std::vector<std::string>{"[0-1]solo"}, DumpKind::Text, state, folder.path().string() + "/");
    EXPECT_EQ(single[0].fields.fileName, folder.file("solo.txt"));
    EXPECT_EQ(single[0].result.notice.text, "Data was dumped to the text file...");
    EXPECT_EQ(ReadText(folder.file("solo.txt")), "($03)($0A)");
}

TEST(DumpLabel, LinesTakenApart)
{
    struct Case {
        const char* line;
        bool parsed;
        const char* start;
        const char* end;
        const char* name;
    };
    const Case cases[] = {
        {"[00012000-000120FF]Intro", true, "00012000", "000120FF", "Intro"},
        {"[1-2]a-b]c", true, "1", "2", "a-b]c"},
        {"[1-2]", true, "1", "2", ""},
        {"[12]-x", false, "", "", ""},  // no ']' after the '-'
        {"[1-2", false, "", "", ""},
        {"[12]", false, "", "", ""},
        {"1-2]x", false, "", "", ""},
    };
    for (const auto& c : cases) {
        const auto label = ParseDumpLabel(c.line);
        ASSERT_EQ(label.has_value(), c.parsed) << c.line;
        if (!label) continue;
        EXPECT_EQ(label->start, c.start);
        EXPECT_EQ(label->end, c.end);
        EXPECT_EQ(label->name, c.name);
    }
    EXPECT_EQ(DumpListCaption(DumpKind::Text, 128), "TEXT Dump List: 128 dump label(s)");
    EXPECT_EQ(DumpListCaption(DumpKind::Binary, 1), "BINARY Dump List: 1 dump label(s)");
    EXPECT_STREQ(DumpFromListRefusal(TableSession{}), "You have no available dump labels...");
}

}  // namespace
}  // namespace zarvo
