#include "dump/binary_insertion.h"
#include "dump/byte_fill.h"
#include "support/temp_folder.h"
#include "tools/document_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::MakeDocument;
using testing::PatternBytes;
using testing::TempFolder;

TEST(BinaryInsertion, OverwritesInPlaceAndKeepsTheSize)
{
    TempFolder folder;
    const auto block = PatternBytes(16, 5, 200);
    InsertionFile file;
    ASSERT_TRUE(file.open(folder.write("block.bin", block)));
    EXPECT_EQ(file.size(), 16);

    DocRecord doc = MakeDocument(std::vector<uint8_t>(1000000, 0xEE));
    const InsertionPlan plan = PlanInsertion(InsertionStartText(0x10), file.size(), doc);
    EXPECT_EQ(InsertionStartText(0x10), "10");
    EXPECT_EQ(plan.refusal, nullptr);
    EXPECT_TRUE(plan.countQuestion.empty());
    EXPECT_EQ(InsertFileBytes(doc, file, plan).text, "Binary Data successfully inserted...");
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.fileSize, 1000000);
    EXPECT_EQ(doc.data()[0x0F], 0xEE);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), doc.data() + 0x10));
    EXPECT_EQ(doc.data()[0x20], 0xEE);
}

TEST(BinaryInsertion, CountLimitedNearTheEndAndRefusedPastIt)
{
    DocRecord doc = MakeDocument(std::vector<uint8_t>(100, 0));  // viewSize 65535
    struct Case {
        const char* start;
        int32_t fileSize;
        const char* refusal;
        int32_t count;
        std::string question;
    };
    const Case cases[] = {
        {"FFFB", 16, nullptr, 4, "Only 4 byte(s) out of 16 byte(s) can be inserted. Is this ok?"},
        {"FFFE", 0, nullptr, 0, ""},
        {"FFFE", 1, nullptr, 1, ""},
        {"FFFF", 1, "Error: The insert position is past the end of the file!", 0, ""},
        {"FFFFFFFF", 1, "Error: The insert position is past the end of the file!", 0, ""},
        {"1zz", 8, nullptr, 8, ""},
    };
    for (const auto& c : cases) {
        const InsertionPlan plan = PlanInsertion(c.start, c.fileSize, doc);
        EXPECT_STREQ(plan.refusal == nullptr ? "" : plan.refusal, c.refusal == nullptr ? "" : c.refusal) << c.start;
        EXPECT_EQ(plan.count, c.count) << c.start;
        EXPECT_EQ(plan.countQuestion, c.question) << c.start;
    }

    TempFolder folder;
    InsertionFile file;
    ASSERT_TRUE(file.open(folder.write("16.bin", PatternBytes(16))));
    const InsertionPlan limited = PlanInsertion("FFFB", file.size(), doc);
    EXPECT_EQ(InsertFileBytes(doc, file, limited).text, "Binary Data successfully inserted...");
    EXPECT_TRUE(std::equal(doc.data() + 0xFFFB, doc.data() + 0xFFFF, PatternBytes(4).begin()));

    const DocRecord before = MakeDocument(std::vector<uint8_t>(100, 0));
    DocRecord untouched = MakeDocument(std::vector<uint8_t>(100, 0));
    EXPECT_EQ(InsertFileBytes(untouched, file, PlanInsertion("FFFF", 16, untouched)).text,
              "Error: The insert position is past the end of the file!");
    EXPECT_FALSE(untouched.modified);
    EXPECT_TRUE(std::equal(untouched.data(), untouched.data() + 65535, before.data()));
}

TEST(BinaryInsertion, FilesThatCannotBeReadAndPendingDialogs)
{
    TempFolder folder;
    InsertionFile file;
    EXPECT_FALSE(file.open(folder.file("missing.bin")));
    EXPECT_EQ(file.openFailure().text, "Fatal Error: Could not open requested file.\n" + folder.file("missing.bin"));
    EXPECT_FALSE(file.open(folder.path().string()));

    // The file shrinks between the choice and the insertion: nothing is written.
    ASSERT_TRUE(file.open(folder.write("shrinks.bin", PatternBytes(64))));
    folder.write("shrinks.bin", PatternBytes(8));
    DocRecord doc = MakeDocument(std::vector<uint8_t>(100, 0));
    EXPECT_EQ(InsertFileBytes(doc, file, PlanInsertion("0", 64, doc)).text,
              "Fatal Error: Could not read requested file.\n" + folder.file("shrinks.bin"));
    EXPECT_FALSE(doc.modified);

    for (const DumpMode mode :
         {DumpMode::BinaryStarted, DumpMode::TextStarted, DumpMode::LabelStarted, DumpMode::FillStarted}) {
        EXPECT_STREQ(InsertionRefusal(DumpState{mode, 0, false}),
                     "Error: You tried to insert Data while a dump or BYTE fill is pending.");
    }
    EXPECT_EQ(InsertionRefusal(DumpState{}), nullptr);
}

TEST(ByteFill, RangesValuesAndRefusals)
{
    struct Case {
        DumpFields fields;  // value, start, end
        const char* message;
        int32_t first;  // filled range, first > last: nothing
        int32_t last;
        uint8_t value;
    };
    const Case cases[] = {
        {{"AA", "20", "10"}, "BYTE Fill completed!", 0x10, 0x20, 0xAA},  // either order, 17 bytes
        {{"1FF", "0", "0"}, "BYTE Fill completed!", 0, 0, 0xFF},
        {{"ZZ", "5", "6"}, "BYTE Fill completed!", 5, 6, 0x00},
        {{"123456789ab", "5", "5"}, "BYTE Fill completed!", 5, 5, 0xAB},
        {{"7", "FFF0", "FFFF"}, "BYTE Fill completed!", 0xFFF0, 0xFFFE, 0x07},  // end = viewSize
        {{"7", "FFF0", "10000"}, "Error: One of the offsets are Greater than file size!", 1, 0, 0},
        {{"7", "FFFFFFFF", "0"}, "Error: One of the offsets are Greater than file size!", 1, 0, 0},
        {{"7", "-10", "0"}, "Error: One of the offsets are Invalid!", 1, 0, 0},
        {{"", "0", "10"}, "Error: Must enter a value to use as a FILLER!", 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields.start + "-" + c.fields.end + "=" + c.fields.fileName);
        DocRecord doc = MakeDocument(std::vector<uint8_t>(100, 0x55));
        std::vector<uint8_t> expected(doc.data(), doc.data() + doc.viewSize);
        for (int32_t i = c.first; i <= c.last; ++i) expected[static_cast<std::size_t>(i)] = c.value;
        const FillResult result = RunByteFill(doc, c.fields);
        EXPECT_EQ(result.notice.text, c.message);
        EXPECT_EQ(result.filled, c.first <= c.last);
        EXPECT_EQ(doc.modified, c.first <= c.last);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), doc.data()));
    }
}

}  // namespace
}  // namespace zarvo
