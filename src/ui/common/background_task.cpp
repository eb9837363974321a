#include "ui/common/background_task.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <memory>
#include <thread>

namespace zarvo {

namespace {

constexpr int kTickMilliseconds = 50;
constexpr int kPermille = 1000;

}  // namespace

int TaskProgress::permille() const
{
    const int64_t total = total_.load();
    if (total <= 0) return -1;
    return static_cast<int>(std::min<int64_t>(done_.load(), total) * kPermille / total);
}

void RunWithProgress(QWidget* parent, const QString& label, const std::function<void(TaskProgress&)>& work)
{
    TaskProgress progress;
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> window;
    QTimer tick;
    tick.setInterval(kTickMilliseconds);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (window == nullptr && clock.elapsed() >= kProgressShownAfterMilliseconds) {
            // Not modal: the user's input waits anyway, and a modal one would let it through.
            window = std::make_unique<QProgressDialog>(label, QString(), 0, kPermille, parent);
            window->setObjectName(QStringLiteral("TaskProgress"));
            window->setWindowTitle(label);
            window->setMinimumDuration(0);
            window->setAutoClose(false);
            window->setAutoReset(false);
            window->show();
        }
        if (window == nullptr) return;
        const int permille = progress.permille();
        // Without a total the bar only shows that the work goes on.
        window->setMaximum(permille < 0 ? 0 : kPermille);
        window->setValue(std::max(permille, 0));
    });
    tick.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace zarvo
