#pragma once
// The progress line of a long command. Only when standard error is a terminal, and
// only once the work has run for half a second, it shows "zarvo-tool: compare 42% of
// 64.0 MiB" and rewrites that line in place as the work goes on; when the work ends
// the line is erased, so that what follows starts on a clean line. Into a pipe or a
// file nothing is written. ZARVO_PROGRESS_DELAY (seconds, 0.5 when unset) changes
// the wait, as scripts that record a terminal session may want.

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace zarvo::cli {

class ProgressLine {
public:
    // what names the work ("dump", "compare"); err is where the line goes, when it
    // is the program's standard error and that is a terminal.
    ProgressLine(std::ostream& err, std::string what);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // done of total bytes; the line changes only when the percentage does.
    void update(int64_t done, int64_t total);
    // Erases the line if it was shown.
    void finish();

private:
    std::ostream* terminal_;  // null when nothing is to be shown
    std::string what_;
    std::chrono::steady_clock::time_point showFrom_;
    int lastPercent_ = -1;
    bool shown_ = false;
};

}  // namespace zarvo::cli
