#include "core/change_marks.h"

#include "core/document.h"
#include "core/document_edit.h"
#include "support/document_builder.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace zarvo {
namespace {

constexpr int32_t kSize = 9000;  // byte i holds i & 0xFF; the marks span three 4 KiB pages

// Runs steps on the document: "w5=41" writes 0x41 at 5, "f0+8=07" fills 8 bytes from
// 0 with 0x07, "u" undoes, "r" redoes, "s" saves.
void RunSteps(DocRecord& doc, const std::string& steps)
{
    std::istringstream words(steps);
    std::string step;
    while (words >> step) {
        const auto number = [&step](char after, int base) {
            return static_cast<int32_t>(std::stol(step.substr(step.find(after) + 1), nullptr, base));
        };
        if (step == "u") {
            ASSERT_TRUE(UndoEdit(doc));
        } else if (step == "r") {
            ASSERT_TRUE(RedoEdit(doc));
        } else if (step == "s") {
            MarkDocumentSaved(doc);
        } else if (step[0] == 'w') {
            const auto value = static_cast<uint8_t>(number('=', 16));
            (void)OverwriteBytes(doc, std::stoi(step.substr(1)), {&value, 1});
        } else {
            (void)FillBytes(doc, std::stoi(step.substr(1)), number('+', 10), static_cast<uint8_t>(number('=', 16)));
        }
    }
}

// A byte is marked exactly while it differs from what the file holds, whichever way
// it got there: undo and redo included.
TEST(ChangeMarks, MarkTheBytesThatDifferFromTheSavedFile)
{
    const struct {
        const char* steps;
        std::set<int32_t> marked;
    } cases[] = {
        {"w1=41 w2=42", {1, 2}},
        {"w1=41 w2=42 u", {1}},  // byte 2 holds the file's value again
        {"w1=41 w2=42 u u", {}},
        {"w1=41 u r", {1}},
        {"w1=41 w1=01", {}},  // typed back by hand
        {"w1=41 s", {}},
        {"w1=41 s w1=01", {1}},  // the file now holds 41
        {"w1=41 s u", {1}},      // undone past the save
        {"w1=41 s u r", {}},
        {"f0+8=07", {0, 1, 2, 3, 4, 5, 6}},  // byte 7 already held 07
        {"f0+8=07 u r", {0, 1, 2, 3, 4, 5, 6}},
        {"f4090+10=00 w4096=41 u", {4090, 4091, 4092, 4093, 4094, 4095, 4097, 4098, 4099}},  // across a page
        {"f4090+10=00 u", {}},
        {"w8999=00 w8999=FF u", {8999}},
        // Across 64-byte words, one byte already holding the value, one typed back.
        {"f120+20=7F w125=7D",
         {120, 121, 122, 123, 124, 126, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139}},
        {"f120+20=7F w125=7D u u", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        std::vector<uint8_t> content(kSize);
        for (int32_t i = 0; i < kSize; ++i) content[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i);
        DocRecord doc = testing::MakeDocument(content);
        RunSteps(doc, c.steps);
        std::set<int32_t> marked;
        for (int32_t offset = -1; offset <= kSize; ++offset) {
            if (doc.changes.contains(offset)) marked.insert(offset);
        }
        EXPECT_EQ(marked, c.marked);
        EXPECT_EQ(doc.changes.empty(), c.marked.empty());
    }
}

}  // namespace
}  // namespace zarvo
