#include "cli/progress_line.h"

#include "cli/terminal_text.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zarvo::cli {

namespace {

constexpr double kDefaultDelaySeconds = 0.5;
constexpr double kBytesPerMebibyte = 1024.0 * 1024.0;
// Back to the line's start, and the rest of the line cleared.
constexpr const char* kEraseLine = "\r\033[K";

// The wait before the line shows: ZARVO_PROGRESS_DELAY when it is a number of seconds.
std::chrono::steady_clock::duration Delay()
{
    double seconds = kDefaultDelaySeconds;
    if (const char* text = std::getenv("ZARVO_PROGRESS_DELAY")) {
        char* end = nullptr;
        const double value = std::strtod(text, &end);
        if (end != text && *end == '\0' && value >= 0 && value < 3600) seconds = value;
    }
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace

ProgressLine::ProgressLine(std::ostream& err, std::string what)
    : terminal_(IsTerminalErrorStream(err) ? &err : nullptr),
      what_(std::move(what))
{
    if (terminal_ != nullptr) showFrom_ = std::chrono::steady_clock::now() + Delay();
}

ProgressLine::~ProgressLine() { finish(); }

void ProgressLine::update(int64_t done, int64_t total)
{
    if (terminal_ == nullptr || total <= 0) return;
    const auto percent = static_cast<int>(done * 100 / total);
    if (percent == lastPercent_ || std::chrono::steady_clock::now() < showFrom_) return;
    lastPercent_ = percent;
    char line[96];
    std::snprintf(line, sizeof line, "%szarvo-tool: %s %d%% of %.1f MiB", kEraseLine, what_.c_str(), percent,
                  static_cast<double>(total) / kBytesPerMebibyte);
    *terminal_ << line << std::flush;
    shown_ = true;
}

void ProgressLine::finish()
{
    if (!shown_) return;
    *terminal_ << kEraseLine << std::flush;
    shown_ = false;
}

}  // namespace zarvo::cli
