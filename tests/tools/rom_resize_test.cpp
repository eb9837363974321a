#include "tools/rom_resize.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace zarvo {
namespace {

DocRecord MakeDocument(std::size_t size, uint8_t fill, int32_t headerSize = 0)
{
    DocRecord doc;
    const auto viewSize = std::max(static_cast<int32_t>(size), kMinimumViewSize);
    doc.storage = DocumentBytes::Owned(static_cast<std::size_t>(headerSize + viewSize));
    std::memset(doc.storage.data(), 0xC3, static_cast<std::size_t>(headerSize));
    std::memset(doc.storage.data() + headerSize, fill, size);
    doc.headerSize = headerSize;
    doc.fileSize = static_cast<int32_t>(size);
    doc.viewSize = viewSize;
    return doc;
}

struct ResizeCase {
    const char* name;
    const char* entry;
    SizeUnit unit;
    const char* headerEntry;  // nullptr: "Add Header" unchecked
    int32_t expectedLength;
    const char* question;
};

TEST(RomResize, UnitsHeaderAndQuestion)
{
    const ResizeCase cases[] = {
        {"SixteenMegabits", "16", SizeUnit::MegaBits, nullptr, 2097152, "Expand the ROM to 16 Mega-BIT(S)?"},
        {"FourMegabitsCuts", "4", SizeUnit::MegaBits, nullptr, 524288, "Expand the ROM to  4 Mega-BIT(S)?"},
        {"BytesWithHeader", "8", SizeUnit::Bytes, "512", 520, "Expand the ROM to  8 BYTE(S)?"},
        {"Megabytes", "3", SizeUnit::MegaBytes, "0", 3145728, "Expand the ROM to  3 Mega-BYTE(S)?"},
        {"LargestThatFits", "2147483647", SizeUnit::Bytes, nullptr, 2147483647,
         "Expand the ROM to 2147483647 BYTE(S)?"},
        {"LargestWithHeader", "16383", SizeUnit::MegaBits, "131071", 2147483647,
         "Expand the ROM to 16383 Mega-BIT(S)?"},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto count = ReadSizeEntry(c.entry);
        ASSERT_TRUE(count.has_value());
        const int64_t header = c.headerEntry != nullptr ? ReadSizeEntry(c.headerEntry).value_or(0) : 0;
        EXPECT_EQ(NewRomLength(*count, c.unit, header), c.expectedLength);
        EXPECT_EQ(ResizeQuestionText(*count, c.unit), c.question);
    }
    EXPECT_EQ(ResizeDoneText(16, SizeUnit::MegaBits), "Rom expanded to 16 Mega-BIT(S)!\nSave ROM to save all changes.");
}

TEST(RomResize, PlanOfTheDialogsEntries)
{
    const ResizePlan noSize = PlanResize("", SizeUnit::Bytes, true, "512");
    EXPECT_EQ(std::string(noSize.refusal), "Error: No size entered...");

    const ResizePlan noHeader = PlanResize("8", SizeUnit::Bytes, true, "");
    EXPECT_EQ(noHeader.refusal, nullptr);
    EXPECT_TRUE(noHeader.headerMissing);
    EXPECT_EQ(noHeader.length, 8);

    // An unchecked box ignores whatever its field holds.
    const ResizePlan unchecked = PlanResize("16", SizeUnit::MegaBits, false, "512");
    EXPECT_FALSE(unchecked.headerMissing);
    EXPECT_EQ(unchecked.length, 2097152);
    EXPECT_EQ(unchecked.count, 16);

    EXPECT_EQ(PlanResize("16", SizeUnit::MegaBits, true, "512").length, 2097664);
    EXPECT_NE(PlanResize("16384", SizeUnit::MegaBits, false, "").refusal, nullptr);
    EXPECT_NE(PlanResize("2047", SizeUnit::MegaBytes, true, "1048576").refusal, nullptr);
}

TEST(RomResize, SizesThatDoNotFitIn31BitsAreRefused)
{
    EXPECT_FALSE(NewRomLength(16384, SizeUnit::MegaBits, 0).has_value());
    EXPECT_FALSE(NewRomLength(2048, SizeUnit::MegaBytes, 0).has_value());
    EXPECT_FALSE(NewRomLength(2147483647, SizeUnit::Bytes, 1).has_value());
    EXPECT_FALSE(NewRomLength(16383, SizeUnit::MegaBits, 131072).has_value());
    // Absurdly long entries stay refused rather than wrapping round to a small size.
    const auto huge = ReadSizeEntry("18446744073709551617");
    ASSERT_TRUE(huge.has_value());
    EXPECT_FALSE(NewRomLength(*huge, SizeUnit::Bytes, 0).has_value());
    EXPECT_FALSE(NewRomLength(*huge, SizeUnit::MegaBytes, 0).has_value());
}

TEST(RomResize, EntriesAreDecimalDigits)
{
    EXPECT_FALSE(ReadSizeEntry("").has_value());
    EXPECT_FALSE(ReadSizeEntry("x12").has_value());
    EXPECT_EQ(ReadSizeEntry("0012"), 12);
    EXPECT_EQ(ReadSizeEntry("12x"), 12);
}

TEST(RomResize, CurrentSizeIsRoundedDown)
{
    const int32_t oneAndAHalfMegabits = 131072 + 65536;
    EXPECT_EQ(CurrentSizeText(oneAndAHalfMegabits, SizeUnit::MegaBits), "Size of ROM: 1 Mega BITS");
    EXPECT_EQ(CurrentSizeText(oneAndAHalfMegabits, SizeUnit::MegaBytes), "Size of ROM: 0 Mega BYTES");
    EXPECT_EQ(CurrentSizeText(1000, SizeUnit::Bytes), "Size of ROM: 1000 BYTES");
}

TEST(RomResize, ExtendingFillsWithFFAndCuttingDrops)
{
    DocRecord doc = MakeDocument(0x100000, 0x11);
    ASSERT_TRUE(ResizeDocument(doc, 2097152, ViewState{}));
    EXPECT_EQ(doc.fileSize, 2097152);
    EXPECT_EQ(doc.viewSize, 2097152);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.data()[0xFFFFF], 0x11);
    EXPECT_EQ(doc.data()[0x100000], 0xFF);
    EXPECT_EQ(doc.data()[2097151], 0xFF);

    ASSERT_TRUE(ResizeDocument(doc, 524288, ViewState{}));
    EXPECT_EQ(doc.fileSize, 524288);
    EXPECT_EQ(doc.data()[524287], 0x11);
    // Growing again after a cut brings back FF, not the bytes that were cut.
    ASSERT_TRUE(ResizeDocument(doc, 524290, ViewState{}));
    EXPECT_EQ(doc.data()[524288], 0xFF);
    EXPECT_EQ(doc.data()[524289], 0xFF);
}

TEST(RomResize, SmallDocumentGrowsInsideItsView)
{
    DocRecord doc = MakeDocument(1000, 0x22);
    doc.data()[1500] = 0x99;  // typed past the end, inside the view
    ASSERT_TRUE(ResizeDocument(doc, 2000, ViewState{}));
    EXPECT_EQ(doc.data()[999], 0x22);
    EXPECT_EQ(doc.data()[1000], 0xFF);
    EXPECT_EQ(doc.data()[1500], 0xFF);
    EXPECT_EQ(doc.data()[1999], 0xFF);
}

TEST(RomResize, SameLengthStillMarksModified)
{
    DocRecord doc = MakeDocument(5000, 0x33);
    ASSERT_TRUE(ResizeDocument(doc, 5000, ViewState{}));
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.data()[4999], 0x33);
}

TEST(RomResize, SavestateHeaderStaysInFront)
{
    DocRecord doc = MakeDocument(100000, 0x44, kSavestateHeaderSize);
    ASSERT_TRUE(ResizeDocument(doc, 200000, ViewState{}));
    EXPECT_EQ(doc.headerSize, kSavestateHeaderSize);
    EXPECT_EQ(doc.storage.data()[0], 0xC3);
    EXPECT_EQ(doc.storage.data()[kSavestateHeaderSize - 1], 0xC3);
    EXPECT_EQ(doc.data()[0], 0x44);
    EXPECT_EQ(doc.data()[99999], 0x44);
    EXPECT_EQ(doc.data()[100000], 0xFF);
    EXPECT_GE(doc.storage.size(), static_cast<std::size_t>(kSavestateHeaderSize + 200000));
}

TEST(RomResize, CursorAndTopOffsetFollowAShrinkingDocument)
{
    ViewState view;
    view.bytesPerRow = 16;
    view.pageBytes = 16 * 32;
    DocRecord doc = MakeDocument(0x40000, 0);
    doc.topOffset = 0x30000;
    doc.cursorOffset = 0x30010;
    ASSERT_TRUE(ResizeDocument(doc, 0x1000, view));
    EXPECT_EQ(doc.cursorOffset, 0xFFF);
    EXPECT_LE(doc.topOffset, 0xFFF);
    EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, 0xFFF);

    // A cursor still inside stays where it is.
    doc.cursorOffset = 0x10;
    doc.topOffset = 0;
    ASSERT_TRUE(ResizeDocument(doc, 0x800, view));
    EXPECT_EQ(doc.cursorOffset, 0x10);
    EXPECT_EQ(doc.topOffset, 0);

    // Cut to nothing: the document keeps its storage and the cursor sits on 0.
    ASSERT_TRUE(ResizeDocument(doc, 0, view));
    EXPECT_TRUE(doc.hasData());
    EXPECT_EQ(doc.cursorOffset, 0);
    EXPECT_EQ(doc.topOffset, 0);
}

}  // namespace
}  // namespace zarvo
