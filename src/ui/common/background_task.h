#pragma once
// Work the user waits for (a save, a patch written) runs on a worker thread while the
// windows stay painted and their timers run. The user's keys and clicks wait until it
// is done, since the work reads what they would change; when it takes longer than
// half a second, a progress window tells how far it got.

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

class QWidget;

namespace zarvo {

// How far the work got, told from the worker thread.
class TaskProgress {
public:
    void report(int64_t done, int64_t total)
    {
        total_.store(total);
        done_.store(done);
    }
    // Thousandths of the whole; -1 while the work has not told its total.
    [[nodiscard]] int permille() const;

private:
    std::atomic<int64_t> done_{0};
    std::atomic<int64_t> total_{0};
};

inline constexpr int kProgressShownAfterMilliseconds = 500;

// Runs work on a worker thread and returns once it is done. The progress window, when
// shown, belongs to parent, carries label and is named "TaskProgress".
void RunWithProgress(QWidget* parent, const QString& label, const std::function<void(TaskProgress&)>& work);

}  // namespace zarvo
