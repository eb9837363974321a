#include "core/edit_journal.h"

#include "core/document.h"
#include "core/document_edit.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zarvo {
namespace {

// A file of `size` bytes in a buffer of 70,000, room to grow.
DocRecord MakeDocument(int32_t size)
{
    DocRecord doc = testing::MakeDocument(testing::PatternBytes(70000));
    doc.fileSize = size;
    doc.viewSize = std::max(size, kMinimumViewSize);
    return doc;
}

// What undo and redo must give back: the bytes the view addresses, the sizes, the cursor.
struct State {
    std::vector<uint8_t> bytes;
    int32_t fileSize = 0;
    int32_t viewSize = 0;
    int32_t topOffset = 0;
    int32_t cursorOffset = 0;
    bool operator==(const State&) const = default;
};

State StateOf(const DocRecord& doc)
{
    return {std::vector<uint8_t>(doc.data(), doc.data() + doc.viewSize), doc.fileSize, doc.viewSize, doc.topOffset,
            doc.cursorOffset};
}

// A size change as the tools make one.
void Resize(DocRecord& doc, int32_t length, uint8_t value) { ASSERT_TRUE(ChangeDocumentLength(doc, length, value)); }

TEST(EditJournal, EachCommandIsOneStepUndoneAndRedoneWhole)
{
    struct Case {
        const char* name;
        std::function<void(DocRecord&)> command;
    };
    const uint8_t abc[] = {0x41, 0x42, 0x43};
    const Case cases[] = {
        {"one write", [&](DocRecord& doc) { (void)OverwriteBytes(doc, 100, abc); }},
        {"a fill", [](DocRecord& doc) { (void)FillBytes(doc, 10, 5000, 0xEE); }},
        {"a write cut at the view's end", [&](DocRecord& doc) { (void)OverwriteBytes(doc, 65534, abc); }},
        {"writes and a cursor move in one step",
         [&](DocRecord& doc) {
             const EditStep step(doc);
             (void)OverwriteBytes(doc, 0, abc);
             (void)FillBytes(doc, 1, 2, 0x00);  // overlaps the first write
             (void)OverwriteBytes(doc, 60000, abc);
             doc.topOffset = 0x1000;
             doc.cursorOffset = 0x1234;
         }},
        {"a fill written over again",
         [&](DocRecord& doc) {
             const EditStep step(doc);
             (void)FillBytes(doc, 0, 64, 0xFF);
             (void)OverwriteBytes(doc, 30, abc);
         }},
        {"growing the file", [](DocRecord& doc) { Resize(doc, 68000, 0xFF); }},
        {"shrinking it", [](DocRecord& doc) { Resize(doc, 100, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocRecord doc = MakeDocument(66000);
        const State before = StateOf(doc);
        c.command(doc);
        const State after = StateOf(doc);
        ASSERT_NE(after, before);
        EXPECT_TRUE(doc.modified);
        EXPECT_EQ(doc.journal.stepCount(), 1u);

        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(StateOf(doc), before);
        EXPECT_FALSE(doc.modified);
        EXPECT_FALSE(UndoEdit(doc));
        ASSERT_TRUE(RedoEdit(doc));
        EXPECT_EQ(StateOf(doc), after);
        EXPECT_TRUE(doc.modified);
        EXPECT_FALSE(RedoEdit(doc));
    }
}

// A small file's view reaches past its end; a size change that needs a larger buffer
// keeps those bytes, so that undo gives them back.
TEST(EditJournal, GrowingPastTheBufferKeepsTheBytesPastTheFileEnd)
{
    DocRecord doc = MakeDocument(100);
    const State before = StateOf(doc);
    Resize(doc, 80000, 0xFF);
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(StateOf(doc), before);
}

TEST(EditJournal, MemoryFollowsTheBytesChanged)
{
    DocRecord doc = MakeDocument(66000);
    for (int32_t at = 0; at < 1000; ++at) {
        const uint8_t value = 0x5A;
        (void)OverwriteBytes(doc, at * 13, {&value, 1});
    }
    EXPECT_EQ(doc.journal.stepCount(), 1000u);
    EXPECT_EQ(doc.journal.bytesHeld(), 2000u);  // one byte before and one after each
    (void)FillBytes(doc, 0, 60000, 0x00);
    EXPECT_EQ(doc.journal.bytesHeld(), 2000u + 60000u);  // a fill keeps no bytes after
}

// A document read again is rewritten whole; only the runs that differ are kept, runs
// fewer than 17 equal bytes apart as one.
TEST(EditJournal, RewritingTheWholeBufferKeepsWhatDiffers)
{
    const struct {
        const char* name;
        std::vector<int32_t> differing;
        std::size_t held;  // bytes before and after
    } cases[] = {
        {"nothing differs", {}, 0},
        {"three far apart", {100, 5000, 69999}, 6},
        {"ten apart: one run of eleven", {100, 110}, 22},
        {"seventeen apart: two runs", {100, 117}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DocRecord doc = MakeDocument(66000);
        const State before = StateOf(doc);
        std::vector<uint8_t> rewritten(doc.data(), doc.data() + doc.storage.size());
        for (const int32_t offset : c.differing) rewritten[static_cast<std::size_t>(offset)] ^= 0xFF;
        OverwriteDifferingBytes(doc, rewritten);
        EXPECT_TRUE(std::equal(rewritten.begin(), rewritten.end(), doc.data()));
        EXPECT_EQ(doc.journal.bytesHeld(), c.held);
        EXPECT_EQ(doc.journal.stepCount(), c.differing.empty() ? 0u : 1u);
        if (c.differing.empty()) continue;
        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(StateOf(doc), before);
    }
}

// Random edits, undos, redos and saves against a model that keeps a whole copy per
// step: the bytes, and whether the document differs from the saved state (undone to it,
// past it, or made unreachable by an edit after undoing past it).
TEST(EditJournal, RandomHistoriesMatchACopyingModel)
{
    std::mt19937 random(20261206);
    for (int round = 0; round < 40; ++round) {
        DocRecord doc = MakeDocument(66000);
        std::vector<State> history{StateOf(doc)};
        std::size_t position = 0;
        std::size_t saved = 0;
        bool savedReachable = true;
        for (int operation = 0; operation < 60; ++operation) {
            const int kind = std::uniform_int_distribution<int>(0, 9)(random);
            if (kind <= 1) {
                EXPECT_EQ(UndoEdit(doc), position > 0);
                if (position > 0) --position;
            } else if (kind == 2) {
                EXPECT_EQ(RedoEdit(doc), position + 1 < history.size());
                if (position + 1 < history.size()) ++position;
            } else if (kind == 3) {
                MarkDocumentSaved(doc);
                saved = position;
                savedReachable = true;
            } else {
                const int32_t offset = std::uniform_int_distribution<int32_t>(-10, doc.viewSize + 10)(random);
                const int32_t count = std::uniform_int_distribution<int32_t>(1, 300)(random);
                // A step exists when a byte inside the view was written or the size changed,
                // even if the bytes written equal those before.
                bool recorded = false;
                {
                    const EditStep step(doc);
                    if (kind == 4) {
                        const int32_t length = std::uniform_int_distribution<int32_t>(1, 69000)(random);
                        recorded = length != doc.fileSize;
                        Resize(doc, length, 0xFF);
                    } else {
                        recorded = offset < doc.viewSize && offset + count > 0;
                        if (kind == 5) {
                            (void)FillBytes(doc, offset, count, static_cast<uint8_t>(kind));
                        } else {
                            std::vector<uint8_t> bytes(static_cast<std::size_t>(count));
                            for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
                            (void)OverwriteBytes(doc, offset, bytes);
                        }
                    }
                    if (recorded) doc.cursorOffset = std::max(offset, 0);
                }
                if (!recorded) continue;
                history.resize(position + 1);
                if (saved > position) savedReachable = false;
                history.push_back(StateOf(doc));
                ++position;
            }
            ASSERT_EQ(StateOf(doc), history[position]) << "round " << round << " operation " << operation;
            ASSERT_EQ(doc.modified, !(savedReachable && saved == position));
        }
    }
}

}  // namespace
}  // namespace zarvo
