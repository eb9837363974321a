#include "core/edit_journal.h"

#include "core/document.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

namespace {

// Bytes from offset on that the document's buffer holds, its removed header aside.
[[nodiscard]] int64_t Capacity(const DocRecord& doc)
{
    return doc.hasData() ? static_cast<int64_t>(doc.storage.size()) - doc.headerSize : 0;
}

}  // namespace

EditJournal::Place EditJournal::PlaceOf(const DocRecord& doc)
{
    return Place{doc.topOffset, doc.cursorOffset, doc.cursorRow, doc.cursorColumn};
}

void EditJournal::begin(const DocRecord& doc)
{
    if (depth_++ > 0) return;
    open_ = Step{};
    open_.firstRange = ranges_.size();
    open_.poolStart = pool_.size();
    open_.fileSizeBefore = doc.fileSize;
    open_.viewSizeBefore = doc.viewSize;
    open_.before = PlaceOf(doc);
}

void EditJournal::recordWrite(DocRecord& doc, int32_t offset, int32_t count, int fillValue)
{
    const int64_t first = std::max<int64_t>(offset, 0);
    const int64_t end = std::min<int64_t>(static_cast<int64_t>(offset) + count, Capacity(doc));
    if (end <= first || depth_ == 0 || !recording_) return;
    if (open_.rangeCount == 0) {
        // The first change of this step: what was undone can no longer be redone.
        dropRedo();
        open_.firstRange = ranges_.size();
        open_.poolStart = pool_.size();
    }
    Range range;
    range.offset = static_cast<int32_t>(first);
    range.length = static_cast<int32_t>(end - first);
    range.before = pool_.size();
    range.fillValue = static_cast<int16_t>(fillValue >= 0 && fillValue <= 0xFF ? fillValue : -1);
    const uint8_t* bytes = doc.data() + first;
    pool_.insert(pool_.end(), bytes, bytes + range.length);
    ranges_.push_back(range);
    ++open_.rangeCount;
    doc.changes.noteWrite(range.offset, range.length, bytes);
}

void EditJournal::end(DocRecord& doc)
{
    if (depth_ == 0 || --depth_ > 0) return;
    finishStep(doc);
}

void EditJournal::finishStep(DocRecord& doc)
{
    if (!recording_) return;
    const bool resized = doc.fileSize != open_.fileSizeBefore || doc.viewSize != open_.viewSizeBefore;
    if (open_.rangeCount == 0 && !resized) return;
    if (open_.rangeCount == 0) {
        dropRedo();
        open_.firstRange = ranges_.size();
        open_.poolStart = pool_.size();
    }
    // The bytes after are taken once the command is done, so a range written twice
    // in one step holds its final bytes; a fill that later writes changed is kept as bytes.
    for (std::size_t index = open_.firstRange; index < open_.firstRange + open_.rangeCount; ++index) {
        Range& range = ranges_[index];
        const uint8_t* now = doc.data() + range.offset;
        doc.changes.settle(range.offset, range.length, now);
        if (range.fillValue >= 0 &&
            std::all_of(now, now + range.length, [&range](uint8_t byte) { return byte == range.fillValue; })) {
            continue;
        }
        range.fillValue = -1;
        range.after = pool_.size();
        pool_.insert(pool_.end(), now, now + range.length);
    }
    open_.fileSizeAfter = doc.fileSize;
    open_.viewSizeAfter = doc.viewSize;
    open_.after = PlaceOf(doc);
    steps_.push_back(open_);
    position_ = steps_.size();
    doc.modified = !atSavedPoint();
}

void EditJournal::dropRedo()
{
    if (position_ >= steps_.size()) return;
    const Step& firstUndone = steps_[position_];
    ranges_.resize(firstUndone.firstRange);
    pool_.resize(firstUndone.poolStart);
    steps_.resize(position_);
    if (savedPosition_ > static_cast<int64_t>(position_)) savedPosition_ = -1;
}

bool EditJournal::undo(DocRecord& doc)
{
    if (!canUndo() || depth_ > 0 || !doc.hasData()) return false;
    restore(doc, steps_[--position_], false);
    return true;
}

bool EditJournal::redo(DocRecord& doc)
{
    if (!canRedo() || depth_ > 0 || !doc.hasData()) return false;
    restore(doc, steps_[position_++], true);
    return true;
}

void EditJournal::restore(DocRecord& doc, const Step& step, bool forward)
{
    const int64_t capacity = Capacity(doc);
    const auto put = [&](const Range& range, bool after) {
        if (static_cast<int64_t>(range.offset) + range.length > capacity) return;
        uint8_t* into = doc.data() + range.offset;
        doc.changes.noteWrite(range.offset, range.length, into);
        if (after && range.fillValue >= 0) {
            std::memset(into, range.fillValue, static_cast<std::size_t>(range.length));
        } else {
            std::memcpy(into, pool_.data() + (after ? range.after : range.before),
                        static_cast<std::size_t>(range.length));
        }
        // A byte back at what the file holds is no longer a change.
        doc.changes.settle(range.offset, range.length, into);
    };
    if (forward) {
        for (std::size_t index = step.firstRange; index < step.firstRange + step.rangeCount; ++index) {
            put(ranges_[index], true);
        }
    } else {
        for (std::size_t index = step.firstRange + step.rangeCount; index-- > step.firstRange;)
            put(ranges_[index], false);
    }
    doc.fileSize = forward ? step.fileSizeAfter : step.fileSizeBefore;
    doc.viewSize = forward ? step.viewSizeAfter : step.viewSizeBefore;
    const Place& place = forward ? step.after : step.before;
    doc.topOffset = place.topOffset;
    doc.cursorOffset = place.cursorOffset;
    doc.cursorRow = place.cursorRow;
    doc.cursorColumn = place.cursorColumn;
    doc.nibblePending = false;
    doc.modified = !atSavedPoint();
    // Back where it was saved, no byte differs from the file.
    if (!doc.modified) doc.changes.clear();
}

}  // namespace zarvo
