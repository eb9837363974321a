#include "dump/binary_insertion.h"
#include "dump/byte_fill.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::MakeDocument;
using testing::PatternBytes;

TEST(BinaryInsertion, OverwritesInPlaceUpToTheEndOfTheBuffer)
{
    testing::TempFolder folder;
    const auto block = PatternBytes(16, 5, 200);
    InsertionFile file;
    ASSERT_TRUE(file.open(folder.write("block.bin", block)));
    EXPECT_EQ(InsertionStartText(0x10), "10");
    struct Case {
        int32_t fileSize;
        const char* start;
        const char* refusal;
        int32_t written;
        std::string question;
    };
    const Case cases[] = {
        {1000000, "10", nullptr, 16, ""},
        {100, "FFFB", nullptr, 4, "Only 4 byte(s) out of 16 byte(s) can be inserted. Is this ok?"},
        {100, "FFEF", nullptr, 16, ""},
        {100, "1zz", nullptr, 16, ""},
        {100, "FFFF", "Error: The insert position is past the end of the file!", 0, ""},
        {100, "FFFFFFFF", "Error: The insert position is past the end of the file!", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        DocRecord doc = MakeDocument(std::vector<uint8_t>(static_cast<std::size_t>(c.fileSize), 0xEE));
        std::vector<uint8_t> expected(doc.data(), doc.data() + doc.viewSize);
        const InsertionPlan plan = PlanInsertion(c.start, file.size(), doc);
        EXPECT_STREQ(plan.refusal, c.refusal);
        EXPECT_EQ(plan.countQuestion, c.question);
        std::copy(block.begin(), block.begin() + c.written, expected.begin() + plan.position);
        EXPECT_EQ(InsertFileBytes(doc, file, plan).text,
                  c.refusal ? c.refusal : "Binary Data successfully inserted...");
        EXPECT_EQ(doc.modified, c.written > 0);
        EXPECT_EQ(doc.fileSize, c.fileSize);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), doc.data()));
    }
}

TEST(BinaryInsertion, FilesThatCannotBeReadAndPendingDialogs)
{
    testing::TempFolder folder;
    InsertionFile file;
    EXPECT_FALSE(file.open(folder.file("missing.bin")));
    EXPECT_EQ(file.openFailure().text, "Fatal Error: Could not open requested file.\n" + folder.file("missing.bin"));
    EXPECT_FALSE(file.open(folder.path().string()));
    ASSERT_TRUE(file.open(folder.write("empty.bin", std::string())));
    DocRecord doc = MakeDocument(std::vector<uint8_t>(100, 0));
    EXPECT_EQ(InsertFileBytes(doc, file, PlanInsertion("0", file.size(), doc)).text,
              "Binary Data successfully inserted...");

    // The file shrinks between the choice and the insertion: nothing is written.
    ASSERT_TRUE(file.open(folder.write("shrinks.bin", PatternBytes(64))));
    folder.write("shrinks.bin", PatternBytes(8));
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
        int32_t first;  // the filled range; first > last: nothing
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
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), doc.data()));
    }
}

}  // namespace
}  // namespace zarvo
