#include "dump/dump_range.h"

#include "support/document_builder.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarvo {
namespace {

struct RangeCase {
    const char* start;
    const char* end;
    int32_t fileSize;
    RangeError binary;
    RangeError text;
    int64_t size;  // when accepted
};

TEST(DumpRange, ChecksOfBothDumpsInTheirOrders)
{
    using enum RangeError;
    const RangeCase cases[] = {
        {"100", "1FF", 0x80000, None, None, 0x100},
        {"100", "0FF", 0x80000, None, None, 0},  // an empty range
        {"100", "0FE", 0x80000, StartAfterEnd, EndBeforeStart, 0},
        {"7FFF0", "90000", 0x80000, None, None, 16},  // cut at the end of the file
        {"7FFF0", "7FFFF", 0x80000, None, None, 16},
        {"90000", "A0000", 0x80000, SizeBelowZero, SizeBelowZero, 0},
        {"A0000", "90000", 0x80000, StartAfterEnd, SizeBelowZero, 0},  // the binary dump tests the order first
        {"FFFFFFFF", "FFFFFFFF", 0x80000, SizeBelowZero, SizeBelowZero, 0},
        {"", "F", 0x80000, None, None, 16},  // an empty box reads as 0
        {"10zz", "1F;", 0x80000, None, None, 16},
        {"200", "300", 100, None, None, 0x101},  // short file: the buffer past the file is dumped
        {"200", "FFFF", 100, SizeBelowZero, SizeBelowZero, 0},
        {"63", "FFFF", 100, None, None, 1},
        {"64", "FFFD", 100, None, None, 0xFF9A},  // ends just before the last byte of the buffer
        {"64", "FFFE", 100, None, None, 0},       // the last byte of the buffer reaches viewSize
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        const DocRecord doc = testing::MakeDocument(std::vector<uint8_t>(static_cast<std::size_t>(c.fileSize)));
        const RangeCheck binary = CheckDumpRange(DumpKind::Binary, c.start, c.end, doc);
        const RangeCheck text = CheckDumpRange(DumpKind::Text, c.start, c.end, doc);
        EXPECT_EQ(binary.error, c.binary);
        EXPECT_EQ(text.error, c.text);
        for (const RangeCheck* check : {&binary, &text}) {
            if (check->error != None) continue;
            EXPECT_EQ(check->range.size, c.size);
            EXPECT_LE(check->range.start + check->range.size, doc.viewSize);
        }
    }
}

TEST(DumpRange, OffsetsReadAsTheDialogReadsThem)
{
    EXPECT_EQ(ReadDialogOffset("0001a2B"), 0x1A2B);
    EXPECT_EQ(ReadDialogOffset("FFFFFFFF"), 0xFFFFFFFF);
    EXPECT_EQ(ReadDialogOffset("00000000012"), 0x12);      // leading zeros never overflow
    EXPECT_EQ(ReadDialogOffset("123456789"), 0xFFFFFFFF);  // past 32 bits: past every file
    EXPECT_EQ(ReadDialogOffset("-10"), 0);
}

}  // namespace
}  // namespace zarvo
