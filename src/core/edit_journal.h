#pragma once
// The undo history of a document: for each command, the ranges of bytes it changed
// (their bytes before, and after unless the command filled them with one value), the
// sizes and the cursor before and after. Memory grows with the bytes changed, never
// with the document's size.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarvo {

struct DocRecord;

class EditJournal {
public:
    // A step gathers every write until the matching end(); steps may nest, the
    // outermost one counts. Every write opens one of its own around itself, so a write
    // outside a command's step is a step alone.
    void begin(const DocRecord& doc);
    void end(DocRecord& doc);
    // Called before bytes [offset, offset + count) of doc's buffer change: they are
    // kept as they are now. fillValue >= 0 says the write sets them all to that byte.
    void recordWrite(DocRecord& doc, int32_t offset, int32_t count, int fillValue = -1);

    // A document that nobody will undo on (a command-line run) keeps no history:
    // the writes then cost nothing beyond themselves.
    void setRecording(bool recording) { recording_ = recording; }

    [[nodiscard]] bool canUndo() const { return position_ > 0; }
    [[nodiscard]] bool canRedo() const { return position_ < steps_.size(); }
    // Take back the last step, or do the next one again: bytes, sizes and cursor. The
    // document is modified exactly when it no longer stands where it was last saved.
    bool undo(DocRecord& doc);
    bool redo(DocRecord& doc);

    // The document now matches its file.
    void markSaved() { savedPosition_ = static_cast<int64_t>(position_); }
    [[nodiscard]] bool atSavedPoint() const { return savedPosition_ == static_cast<int64_t>(position_); }
    // Bytes held for the history (before and after bytes).
    [[nodiscard]] std::size_t bytesHeld() const { return pool_.size(); }
    // All the memory the history takes, its records included.
    [[nodiscard]] std::size_t memoryHeld() const
    {
        return pool_.capacity() + ranges_.capacity() * sizeof(Range) + steps_.capacity() * sizeof(Step);
    }
    [[nodiscard]] std::size_t stepCount() const { return steps_.size(); }

private:
    struct Place {
        int32_t topOffset = 0;
        int32_t cursorOffset = 0;
        int8_t cursorRow = 0;
        int8_t cursorColumn = 0;
    };
    struct Range {
        int32_t offset = 0;
        int32_t length = 0;
        std::size_t before = 0;  // where its bytes before start in the pool
        std::size_t after = 0;   // where its bytes after start, unless filled
        int16_t fillValue = -1;  // >= 0: every byte after is this value
    };
    struct Step {
        std::size_t firstRange = 0;
        std::size_t rangeCount = 0;
        std::size_t poolStart = 0;
        int32_t fileSizeBefore = 0;
        int32_t viewSizeBefore = 0;
        int32_t fileSizeAfter = 0;
        int32_t viewSizeAfter = 0;
        Place before;
        Place after;
    };

    void dropRedo();
    void finishStep(DocRecord& doc);
    void restore(DocRecord& doc, const Step& step, bool forward);
    [[nodiscard]] static Place PlaceOf(const DocRecord& doc);

    std::vector<Step> steps_;
    std::vector<Range> ranges_;
    std::vector<uint8_t> pool_;
    std::size_t position_ = 0;   // steps before it are done, from it on undone
    int64_t savedPosition_ = 0;  // -1 when the saved state can no longer be reached
    int depth_ = 0;              // nesting of begin()
    bool recording_ = true;
    Step open_;  // the step being gathered
};

}  // namespace zarvo
