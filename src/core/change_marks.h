#pragma once
// The bytes of a document that differ from what its file holds since it was read or
// last saved, so the view can draw them in their own colour. Each marked byte keeps
// its saved value: a byte written back to it (by undo, redo or typing) is no longer
// a change. Memory grows with the bytes changed, in pages of 4 KiB.

#include <array>
#include <cstdint>
#include <map>

namespace zarvo {

class ChangeMarks {
public:
    // Bytes [offset, offset + count) are about to be written; `current` holds them as
    // they are now. A byte not marked yet is marked, keeping its current value as the
    // saved one (an unmarked byte equals its saved value).
    void noteWrite(int32_t offset, int32_t count, const uint8_t* current);
    // Bytes [offset, offset + count) were written and now hold `now`: a marked byte
    // that equals its saved value again loses its mark.
    void settle(int32_t offset, int32_t count, const uint8_t* now);
    // Every byte now equals what the file holds.
    void clear() { pages_.clear(); }
    // The bytes before end now equal what the file holds; later ones keep their marks.
    void clearBefore(int32_t end);
    [[nodiscard]] bool empty() const { return pages_.empty(); }
    [[nodiscard]] bool contains(int32_t offset) const;

private:
    static constexpr int kPageShift = 12;
    static constexpr int32_t kPageBytes = int32_t{1} << kPageShift;
    struct Page {
        std::array<uint64_t, kPageBytes / 64> marked{};
        std::array<uint8_t, kPageBytes> saved{};
        int32_t count = 0;  // marked bytes; a page without any is dropped
    };

    // Calls visit(page index, first byte in the page, bytes, index into the span) for
    // each page that [offset, offset + count) touches.
    template <typename Visit>
    static void ForEachPage(int32_t offset, int32_t count, Visit visit);

    std::map<int32_t, Page> pages_;  // by offset >> kPageShift
};

}  // namespace zarvo
