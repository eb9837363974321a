#include "core/interrupt_cleanup.h"

#include <climits>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace zarvo {

namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2};

// The one piece of process-wide mutable state: a signal handler has no other way to
// learn which file to remove. It is a fixed buffer and a flag, written only while the
// signals are blocked, so the handler reads them without locks or allocation.
char pendingTemporaryPath[PATH_MAX];
volatile sig_atomic_t temporaryPending = 0;

sigset_t InterruptSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kInterrupts) sigaddset(&set, signal);
    return set;
}

// Only async-signal-safe calls: unlink, sigaction, raise.
void RemoveTemporaryAndStop(int signal)
{
    if (temporaryPending != 0) ::unlink(pendingTemporaryPath);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(signal, &standard, nullptr);
    // Delivered as soon as the handler returns and the signal is unblocked again: the
    // program ends by it, as whoever stopped it expects.
    raise(signal);
}

}  // namespace

void RemoveTemporaryFileOnSignals()
{
    for (const int signal : kInterrupts) {
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) != 0 || before.sa_handler == SIG_IGN) continue;
        struct sigaction handler {};
        handler.sa_handler = &RemoveTemporaryAndStop;
        sigemptyset(&handler.sa_mask);
        // The handler runs with every interrupt blocked, so a second one cannot cut it short.
        for (const int other : kInterrupts) sigaddset(&handler.sa_mask, other);
        sigaction(signal, &handler, nullptr);
    }
    struct sigaction ignored {};
    ignored.sa_handler = SIG_IGN;
    sigemptyset(&ignored.sa_mask);
    sigaction(SIGXFSZ, &ignored, nullptr);
}

void SetPendingTemporaryFile(const std::string& path)
{
    if (path.size() >= sizeof pendingTemporaryPath) return;
    std::memcpy(pendingTemporaryPath, path.c_str(), path.size() + 1);
    temporaryPending = 1;
}

void ClearPendingTemporaryFile() { temporaryPending = 0; }

void RemovePendingTemporaryFile()
{
    const BlockedInterrupts blocked;
    if (temporaryPending != 0) ::unlink(pendingTemporaryPath);
    temporaryPending = 0;
}

BlockedInterrupts::BlockedInterrupts()
{
    const sigset_t set = InterruptSet();
    pthread_sigmask(SIG_BLOCK, &set, &saved_);
}

BlockedInterrupts::~BlockedInterrupts() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }

}  // namespace zarvo
