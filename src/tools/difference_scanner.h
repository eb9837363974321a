#pragma once
// Finds the runs of differing bytes of two byte sequences that arrive piece by piece,
// at the same offsets in both; a run that crosses from one piece into the next stays
// one run.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarvo {

struct DifferenceRun {
    int32_t offset = 0;
    int32_t length = 0;
    bool operator==(const DifferenceRun&) const = default;
};

class DifferenceScanner {
public:
    // The next count bytes of each sequence, following those scanned before. The total
    // stays below 2 GiB, so that offsets fit the runs.
    void scan(const uint8_t* a, const uint8_t* b, std::size_t count);

    [[nodiscard]] std::size_t scanned() const { return scanned_; }
    [[nodiscard]] std::vector<DifferenceRun> takeRuns() { return std::move(runs_); }

private:
    std::vector<DifferenceRun> runs_;
    std::size_t scanned_ = 0;
    bool runOpen_ = false;  // the last run reaches the end of what was scanned
};

}  // namespace zarvo
