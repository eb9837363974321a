#include "tools/rom_resize.h"

#include "tools/document_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::MakeDocument;

TEST(RomResize, EntriesUnitsHeaderAndQuestion)
{
    struct Case {
        const char* entry;
        SizeUnit unit;
        const char* header;  // nullptr: "Add Header" unchecked
        int32_t length;
        const char* question;
    };
    const Case cases[] = {
        {"16", SizeUnit::MegaBits, nullptr, 2097152, "Expand the ROM to 16 Mega-BIT(S)?"},
        {"4", SizeUnit::MegaBits, nullptr, 524288, "Expand the ROM to  4 Mega-BIT(S)?"},
        {"8", SizeUnit::Bytes, "512", 520, "Expand the ROM to  8 BYTE(S)?"},
        {"3", SizeUnit::MegaBytes, "", 3145728, "Expand the ROM to  3 Mega-BYTE(S)?"},
        {"2147483647", SizeUnit::Bytes, nullptr, 2147483647, "Expand the ROM to 2147483647 BYTE(S)?"},
        {"16383", SizeUnit::MegaBits, "131071", 2147483647, "Expand the ROM to 16383 Mega-BIT(S)?"},
    };
    for (const Case& c : cases) {
        const ResizePlan plan = PlanResize(c.entry, c.unit, c.header != nullptr, c.header != nullptr ? c.header : "99");
        EXPECT_EQ(plan.refusal, nullptr) << c.entry;
        EXPECT_EQ(plan.length, c.length) << c.entry;
        EXPECT_EQ(plan.headerMissing, c.header != nullptr && *c.header == '\0') << c.entry;
        EXPECT_EQ(ResizeQuestionText(plan.count, c.unit), c.question);
    }
    EXPECT_EQ(ResizeDoneText(16, SizeUnit::MegaBits), "Rom expanded to 16 Mega-BIT(S)!\nSave ROM to save all changes.");
    EXPECT_EQ(CurrentSizeText(131072 + 65536, SizeUnit::MegaBits), "Size of ROM: 1 Mega BITS");  // rounded down
    EXPECT_EQ(std::string(PlanResize("", SizeUnit::Bytes, false, "").refusal), "Error: No size entered...");
}

TEST(RomResize, SizesThatDoNotFitIn31BitsAreRefused)
{
    const std::pair<const char*, SizeUnit> tooLarge[] = {
        {"16384", SizeUnit::MegaBits},
        {"2048", SizeUnit::MegaBytes},
        {"2147483648", SizeUnit::Bytes},
        // Absurdly long entries stay refused rather than wrapping round to a small size.
        {"18446744073709551617", SizeUnit::Bytes},
        {"18446744073709551617", SizeUnit::MegaBytes},
    };
    for (const auto& [entry, unit] : tooLarge) EXPECT_NE(PlanResize(entry, unit, false, "").refusal, nullptr) << entry;
    EXPECT_NE(PlanResize("16383", SizeUnit::MegaBits, true, "131072").refusal, nullptr);
}

TEST(RomResize, ExtendingFillsWithFFAndCuttingDrops)
{
    DocRecord doc = MakeDocument(std::vector<uint8_t>(0x100000, 0x11));
    ASSERT_TRUE(ResizeDocument(doc, 2097152, ViewState{}));
    EXPECT_EQ(doc.viewSize, 2097152);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.data()[0xFFFFF], 0x11);
    EXPECT_EQ(doc.data()[0x100000], 0xFF);
    EXPECT_EQ(doc.data()[2097151], 0xFF);
    ASSERT_TRUE(ResizeDocument(doc, 524288, ViewState{}));
    EXPECT_EQ(doc.fileSize, 524288);
    // Growing again brings FF, not the bytes that were cut.
    ASSERT_TRUE(ResizeDocument(doc, 524290, ViewState{}));
    EXPECT_EQ(doc.data()[524287], 0x11);
    EXPECT_EQ(doc.data()[524288], 0xFF);

    DocRecord small = MakeDocument(std::vector<uint8_t>(1000, 0x22));
    small.data()[1500] = 0x99;  // typed past the end, inside the view
    ASSERT_TRUE(ResizeDocument(small, 2000, ViewState{}));
    EXPECT_EQ(small.data()[999], 0x22);
    EXPECT_EQ(small.data()[1000], 0xFF);
    EXPECT_EQ(small.data()[1500], 0xFF);
}

TEST(RomResize, CursorAndTopOffsetFollowAShrinkingDocument)
{
    ViewState view;
    view.pageBytes = 16 * 32;
    DocRecord doc = MakeDocument(std::vector<uint8_t>(0x40000, 0));
    doc.topOffset = 0x30000;
    doc.cursorOffset = 0x30010;
    ASSERT_TRUE(ResizeDocument(doc, 0x1000, view));
    EXPECT_EQ(doc.cursorOffset, 0xFFF);
    EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, 0xFFF);

    doc.cursorOffset = 0x10;  // still inside: stays
    doc.topOffset = 0;
    ASSERT_TRUE(ResizeDocument(doc, 0x800, view));
    EXPECT_EQ(doc.cursorOffset, 0x10);
    EXPECT_EQ(doc.topOffset, 0);

    ASSERT_TRUE(ResizeDocument(doc, 0, view));  // cut to nothing: storage stays
    EXPECT_TRUE(doc.hasData());
    EXPECT_EQ(doc.cursorOffset, 0);
}

}  // namespace
}  // namespace zarvo
