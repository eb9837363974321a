#include "script/pointer_fields.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

struct FieldsCase {
    const char* offset;
    const char* header;
    const char* start;
    const char* count;
    const char* step;
    int64_t readOffset;  // when error is null
    const char* error;   // a fragment of the text told
};

TEST(PointerFields, TypedNumbersAreReadOrTold)
{
    const FieldsCase cases[] = {
        {"-A000", "200", "8000", "12", "", -0xA000, nullptr},
        {"$10000", " 0 ", "$8000", "1", "4", 0x10000, nullptr},
        {"7FFFFFFF", "0", "0", "16777216", "1048576", 0x7FFFFFFF, nullptr},
        {"80000000", "0", "0", "1", "0", 0, "The offset"},
        {"--1", "0", "0", "1", "0", 0, "The offset"},
        {"", "0", "0", "1", "0", 0, "The offset"},
        {"0", "-1", "0", "1", "0", 0, "The header"},
        {"0", "0", "G", "1", "0", 0, "pointer table's start"},
        {"0", "0", "0", "0", "0", 0, "The count"},
        {"0", "0", "0", "16777217", "0", 0, "The count"},
        {"0", "0", "0", "1", "-2", 0, "The step"},
        {"0", "0", "0", "1", "1048577", 0, "The step"},
    };
    for (const FieldsCase& c : cases) {
        PointerFields fields;
        fields.machine = "gba";
        fields.bits = "32";
        fields.offset = c.offset;
        fields.header = c.header;
        fields.start = c.start;
        fields.count = c.count;
        fields.step = c.step;
        const PointerFieldsReading read = ReadPointerFields(fields, PointerSettings{}, true);
        if (c.error == nullptr) {
            ASSERT_EQ(read.error, nullptr) << c.offset << " " << read.error;
            EXPECT_EQ(read.settings.offset, c.readOffset);
            EXPECT_EQ(read.settings.machine, "GBA");
        } else {
            ASSERT_NE(read.error, nullptr) << c.offset << c.header << c.start << c.count << c.step;
            EXPECT_NE(std::string(read.error).find(c.error), std::string::npos) << read.error;
        }
    }
}

TEST(PointerFields, ShownFieldsReadBackAsTheSettings)
{
    for (const PointerSettings& settings : {PointerSettings{"LOROM80", 24, -0x8000, 0x200, true, 6, false},
                                            PointerSettings{"GB", 16, 0x7FFFFFFF, 0, false, 0, true}}) {
        const PointerFieldsReading read = ReadPointerFields(FieldsOf(settings, 0x1234, 99), PointerSettings{}, true);
        ASSERT_EQ(read.error, nullptr);
        EXPECT_EQ(read.settings.machine, settings.machine);
        EXPECT_EQ(read.settings.bits, settings.bits);
        EXPECT_EQ(read.settings.offset, settings.offset);
        EXPECT_EQ(read.settings.header, settings.header);
        EXPECT_EQ(read.settings.bigEndian, settings.bigEndian);
        EXPECT_EQ(read.settings.step, settings.step);
        EXPECT_EQ(read.settings.everyForm, settings.everyForm);
        EXPECT_EQ(read.start, 0x1234);
        EXPECT_EQ(read.count, 99);
    }
}

}  // namespace
}  // namespace zarvo
