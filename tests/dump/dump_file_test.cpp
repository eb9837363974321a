#include "dump/dump_file.h"

#include "dump/dump_label.h"
#include "dump_test_support.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::ReadText;

class DumpFileTest : public ::testing::Test {
protected:
    DumpFileTest() : doc(testing::MakeDocument(PatternBytes(0x80000)))
    {
        doc.fileName = "game.smc";
        doc.table = testing::TableFrom(".startdump \"%romname %tblname\\n\"\n/00\n");
        doc.table.tableName[0] = "game.tbl";
    }

    testing::TempFolder folder;
    DocRecord doc;
};

TEST_F(DumpFileTest, FilesHoldTheRangeCutAtTheFileEndWithLineFeeds)
{
    const auto path = folder.file("out");
    const DumpResult binary = DumpBinData(doc, {path, "7FFF0", "90000"}, 0);
    EXPECT_TRUE(binary.written);
    EXPECT_EQ(std::tie(binary.notice.kind, binary.notice.caption, binary.notice.text),
              std::tuple(NoticeKind::Exclamation, "Binary Dumping...", "Data was dumped to the binary file..."));
    const auto pattern = PatternBytes(0x80000);
    EXPECT_TRUE(ReadBytes(path) == std::vector<uint8_t>(pattern.end() - 16, pattern.end()));
    ASSERT_TRUE(DumpBinData(doc, {path, "100", "FF"}, 0).written);
    EXPECT_TRUE(ReadBytes(path).empty());

    const DumpResult text = DumpTxtData(doc, {path, "0", "0"}, 0);  // byte 0x03; the line mark is 0x00
    EXPECT_EQ(text.notice.text, "Data was dumped to the text file...");
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
    EXPECT_EQ(std::tie(noName.notice.kind, noName.notice.caption, noName.notice.text),
              std::tuple(NoticeKind::Stop, "File Error...", "No file name specified..."));
    EXPECT_EQ(DumpTxtData(doc, {path, "10", "0"}, 0).notice.text, "Ending Address is Less Than Starting Address...");
    const auto missing = folder.file("gone/out.txt");
    const DumpResult cannotCreate = DumpTxtData(doc, {missing, "0", "10"}, 0);
    EXPECT_EQ(cannotCreate.mode, DumpMode::CannotCreate);
    EXPECT_EQ(cannotCreate.notice.text, "Fatal Error: Could not create\n " + missing);
    EXPECT_FALSE(std::filesystem::exists(path));

    // A disk that fills up half way: the old file stays, no success is reported.
    folder.write("out.txt", std::string("old dump"));
    const DumpWriter fullDisk = [&](const std::string& target, const DumpProducer& produce) {
        return WriteFileReplacing(target, [&](const ByteSink& sink) {
            return produce([&](const uint8_t* bytes, std::size_t count) { return sink(bytes, count / 2) && false; });
        });
    };
    const DumpResult failed = DumpTxtData(doc, {path, "0", "7FFFF"}, 0, {fullDisk, {}});
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.notice.text, "Fatal Error: Could not write\n " + path);
    EXPECT_EQ(ReadText(path), "old dump");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.txt"});
}

TEST_F(DumpFileTest, ProgressFollowsTheRangeToItsEnd)
{
    const DocRecord big = testing::MakeDocument(PatternBytes(0x280000));
    for (const DumpKind kind : {DumpKind::Binary, DumpKind::Text}) {
        std::vector<int64_t> reports;
        const DumpProgress progress = [&](int64_t done, int64_t total) {
            EXPECT_EQ(total, 0x280000);
            reports.push_back(done);
        };
        ASSERT_TRUE(RunDump(kind, big, {folder.file("big.dat"), "0", "27FFFF"}, 0, {{}, progress}).written);
        EXPECT_GE(reports.size(), 2U);
        EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
        EXPECT_GE(reports.back(), 0x200000);
    }
}

TEST_F(DumpFileTest, BatchAnnouncesOnlyItsLastDumpAndGoesOnPastBadLabels)
{
    const std::vector<std::string> lines = {"[00000000-0000000F]one", "[00000010]-broken", "[00000020-0000002F]two",
                                            "[00000030-0000001F]reversed", "[00000040-0000004F]three"};
    DumpState state;
    const auto dumps = DumpLabelBatch(doc, lines, DumpKind::Binary, state, folder.path().string());
    ASSERT_EQ(dumps.size(), 5U);
    EXPECT_TRUE(dumps[1].skipped);
    EXPECT_EQ(dumps[3].result.notice.text, "Sorry, but the Start offset must\nbe less than the Ending Offset.");
    const char* notices[] = {"", "", "", "", "Data was dumped to the binary file..."};
    for (const int i : {0, 2, 4}) {
        EXPECT_TRUE(dumps[i].result.written) << i;
        EXPECT_EQ(dumps[i].result.notice.text, notices[i]);
    }
    EXPECT_EQ(state.batchRemaining, 0);
    const auto pattern = PatternBytes(0x30);
    EXPECT_TRUE(ReadBytes(folder.file("two.dat")) == std::vector<uint8_t>(pattern.begin() + 0x20, pattern.end()));

    const auto single =
        DumpLabelBatch(doc, std::vector<std::string>{"[0-1]solo"}, DumpKind::Text, state, folder.path().string() + "/");
    EXPECT_EQ(single[0].fields.fileName, folder.file("solo.txt"));
    EXPECT_EQ(single[0].result.notice.text, "Data was dumped to the text file...");
}

TEST(DumpLabel, LinesTakenApart)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[00012000-000120FF]Intro", "00012000|000120FF|Intro"},
        {"[1-2]a-b]c", "1|2|a-b]c"},
        {"[1-2]", "1|2|"},
        {"[12]-x", nullptr},  // no ']' after the '-'
        {"[1-2", nullptr},
        {"[12]", nullptr},
        {"1-2]x", nullptr},
    };
    for (const auto& [line, parts] : cases) {
        const auto label = ParseDumpLabel(line);
        EXPECT_EQ(label ? label->start + "|" + label->end + "|" + label->name : "none", parts ? parts : "none");
    }
    EXPECT_EQ(DumpListCaption(DumpKind::Text, 128), "TEXT Dump List: 128 dump label(s)");
    EXPECT_EQ(DumpListCaption(DumpKind::Binary, 1), "BINARY Dump List: 1 dump label(s)");
    EXPECT_STREQ(DumpFromListRefusal(TableSession{}), "You have no available dump labels...");
}

TEST(DumpLabel, NamesThatLeaveTheFolderOrHoldControlBytesAreRefused)
{
    const std::pair<std::string, LabelRefusal> cases[] = {
        {"Intro", LabelRefusal::None},
        {"Intro 2 (final).v1", LabelRefusal::None},
        {"\x82\xA0kana", LabelRefusal::None},  // Shift-JIS names are fine
        {"", LabelRefusal::NoName},
        {"../up", LabelRefusal::PathSeparator},
        {"/etc/passwd", LabelRefusal::PathSeparator},
        {"a\\b", LabelRefusal::PathSeparator},
        {"..", LabelRefusal::ParentReference},
        {"a..b", LabelRefusal::ParentReference},
        {"tab\there", LabelRefusal::ControlCharacter},
        {"\x1B[2Jclear", LabelRefusal::ControlCharacter},
        {"del\x7F", LabelRefusal::ControlCharacter},
    };
    for (const auto& [name, refusal] : cases) EXPECT_EQ(LabelNameRefusal(name), refusal) << name;
}

TEST(DumpLabel, ListSaysWhenTheTableHoldsMoreLabelsThanItShows)
{
    TableSession tables;
    tables.dumpLabels.assign(128, "[0-1]x");
    tables.dumpLabelsInTable = 128;
    EXPECT_EQ(DumpListShortfall(tables), "");
    tables.dumpLabelsInTable = 300;
    EXPECT_EQ(DumpListShortfall(tables), "The table holds 300 dump labels; the list shows the first 128.");
}

}  // namespace
}  // namespace zarvo
