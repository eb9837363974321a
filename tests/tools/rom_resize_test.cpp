#include "tools/rom_resize.h"

#include "support/document_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::MakeDocument;

// A plan's length and question, or the refusal of a size that does not fit in 31 bits.
TEST(RomResize, EntriesUnitsHeaderAndQuestion)
{
    struct Case {
        const char* entry;
        SizeUnit unit;
        const char* header;  // nullptr: "Add Header" unchecked
        int32_t length;
        const char* said;  // the question, or the refusal
    };
    const char* tooLarge = "Error: New size must be below 2048 Mega-BYTES (2147483648 bytes).";
    const Case cases[] = {
        {"16", SizeUnit::MegaBits, nullptr, 2097152, "Expand the ROM to 16 Mega-BIT(S)?"},
        {"4", SizeUnit::MegaBits, nullptr, 524288, "Expand the ROM to  4 Mega-BIT(S)?"},
        {"8", SizeUnit::Bytes, "512", 520, "Expand the ROM to  8 BYTE(S)?"},
        {"3", SizeUnit::MegaBytes, "", 3145728, "Expand the ROM to  3 Mega-BYTE(S)?"},
        {"2147483647", SizeUnit::Bytes, nullptr, 2147483647, "Expand the ROM to 2147483647 BYTE(S)?"},
        {"16383", SizeUnit::MegaBits, "131071", 2147483647, "Expand the ROM to 16383 Mega-BIT(S)?"},
        {"16383", SizeUnit::MegaBits, "131072", 0, tooLarge},
        {"16384", SizeUnit::MegaBits, nullptr, 0, tooLarge},
        {"2048", SizeUnit::MegaBytes, nullptr, 0, tooLarge},
        {"2147483648", SizeUnit::Bytes, nullptr, 0, tooLarge},
        // Absurdly long entries stay refused rather than wrapping round to a small size.
        {"18446744073709551617", SizeUnit::Bytes, nullptr, 0, tooLarge},
        {"18446744073709551617", SizeUnit::MegaBytes, nullptr, 0, tooLarge},
        {"", SizeUnit::Bytes, nullptr, 0, "Error: No size entered..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const ResizePlan plan = PlanResize(c.entry, c.unit, c.header != nullptr, c.header != nullptr ? c.header : "99");
        EXPECT_EQ(plan.refusal ? plan.refusal : ResizeQuestionText(plan.count, c.unit), c.said);
        if (plan.refusal) continue;
        EXPECT_EQ(plan.length, c.length);
        EXPECT_EQ(plan.headerMissing, c.header != nullptr && *c.header == '\0');
    }
    EXPECT_EQ(ResizeDoneText(16, SizeUnit::MegaBits), "Rom expanded to 16 Mega-BIT(S)!\nSave ROM to save all changes.");
    EXPECT_EQ(CurrentSizeText(131072 + 65536, SizeUnit::MegaBits), "Size of ROM: 1 Mega BITS");  // rounded down
}

// A document of 1,000 bytes, with a byte typed past its end, taken through sizes: what a
// size adds reads FF (never the bytes cut before it, nor the typed byte), and a cursor
// or top row left past the end move back onto the last byte.
TEST(RomResize, NewBytesReadFFAndTheCursorStaysOnTheDocument)
{
    ViewState view;
    view.pageBytes = 16 * 32;
    DocRecord doc = MakeDocument(std::vector<uint8_t>(1000, 0x22));
    doc.data()[1500] = 0x99;
    std::vector<uint8_t> model(1000, 0x22);
    const struct {
        int32_t size;
        int32_t top;  // before
        int32_t cursor;
        int32_t cursorAfter;
    } steps[] = {
        {2000, 0, 5, 5},
        {600, 0, 0x10, 0x10},
        {700, 0, 0, 0},
        {0x200000, 0x1FF000, 0x1FFFF0, 0x1FFFF0},
        {0x1000, 0x30000, 0x30010, 0xFFF},
        {0x800, 0, 0x10, 0x10},
        {0, 0x100, 0x100, 0},  // cut to nothing: the storage stays
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.size);
        doc.topOffset = step.top;
        doc.cursorOffset = step.cursor;
        doc.cursorRow = doc.cursorColumn = 0;
        doc.modified = false;
        ASSERT_TRUE(ResizeDocument(doc, step.size, view));
        model.resize(static_cast<std::size_t>(step.size), 0xFF);
        EXPECT_TRUE(testing::ContentOf(doc) == model);
        EXPECT_EQ(doc.viewSize, step.size);
        EXPECT_TRUE(doc.modified && doc.hasData());
        EXPECT_EQ(doc.cursorOffset, step.cursorAfter);
        if (step.cursor == step.cursorAfter) {
            EXPECT_EQ(doc.topOffset, step.top);
        } else {
            EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, step.cursorAfter);
        }
    }
}

}  // namespace
}  // namespace zarvo
