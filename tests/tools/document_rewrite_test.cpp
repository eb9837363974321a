#include "core/document_edit.h"
#include "support/document_builder.h"
#include "tools/checksum_repair.h"
#include "tools/ips_document.h"
#include "tools/rom_resize.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace zarvo {
namespace {

// Patching, repairing the checksum and changing the size rewrite a document through
// its edits: each is one undo step that gives back the bytes and the size, and redo
// makes it again.
TEST(DocumentRewrite, EachToolIsOneStepUndoneAndRedoneWhole)
{
    const ViewState view;
    // A record, a run and a record past the end, which grows the file.
    const std::vector<uint8_t> patch = {'P', 'A', 'T', 'C', 'H', 0, 0, 0x10, 0, 2, 'A', 'B', 0, 0, 0x20, 0, 0,
                                        0,   4,   0x7E, 0x10, 0, 0, 0,    1,   0x99, 'E', 'O', 'F'};
    const struct {
        const char* name;
        std::function<bool(DocRecord&)> command;
        int32_t sizeAfter;
    } cases[] = {
        {"IPS apply", [&](DocRecord& doc) { return ApplyPatchToDocument(doc, patch, view) == IpsError::None; },
         0x100001},
        {"checksum repair",
         [](DocRecord& doc) {
             RepairDocumentChecksum(doc, InspectDocumentChecksum(doc));
             return true;
         },
         0x100000},
        {"growing", [&](DocRecord& doc) { return ResizeDocument(doc, 0x100100, view); }, 0x100100},
        {"shrinking", [&](DocRecord& doc) { return ResizeDocument(doc, 0x8000, view); }, 0x8000},
    };
    const std::vector<uint8_t> image = testing::SnesImage(0x100000, 0x7FC0, 0xFFFF, 0, {{0, 1}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DocRecord doc = testing::MakeDocument(image, 0);
        ASSERT_TRUE(c.command(doc));
        const std::vector<uint8_t> after = testing::ContentOf(doc);
        EXPECT_EQ(doc.fileSize, c.sizeAfter);
        EXPECT_NE(after, image);
        EXPECT_TRUE(doc.modified);
        EXPECT_EQ(doc.journal.stepCount(), 1u);

        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(testing::ContentOf(doc), image);
        EXPECT_FALSE(doc.modified);
        ASSERT_TRUE(RedoEdit(doc));
        EXPECT_EQ(testing::ContentOf(doc), after);
        EXPECT_TRUE(doc.modified);
    }
}

}  // namespace
}  // namespace zarvo
