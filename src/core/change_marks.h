#pragma once
// The bytes of a document changed since it was last saved, as disjoint ranges of
// buffer offsets, so the view can draw them in their own colour.

#include <cstdint>
#include <map>

namespace zarvo {

class ChangeMarks {
public:
    // [offset, offset + count) counts as changed; touching ranges merge.
    void add(int32_t offset, int32_t count);
    void clear() { ranges_.clear(); }
    [[nodiscard]] bool empty() const { return ranges_.empty(); }
    [[nodiscard]] bool contains(int32_t offset) const;
    // The first changed offset at or after offset, or -1.
    [[nodiscard]] int64_t nextChanged(int32_t offset) const;
    [[nodiscard]] std::size_t rangeCount() const { return ranges_.size(); }

private:
    std::map<int64_t, int64_t> ranges_;  // first offset -> one past the last
};

}  // namespace zarvo
