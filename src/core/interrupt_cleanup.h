#pragma once
// Removing the temporary file of a write in progress when the program is stopped by
// a signal whose default is to end it (SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT,
// SIGALRM, SIGUSR1, SIGUSR2), so that an interrupted command leaves nothing behind.
// The writer names its temporary file here while it exists; a program that wants the
// cleanup installs the handlers once at its start.

#include <csignal>
#include <string>

namespace zarvo {

// Installs the handlers. Each removes the named temporary file, then ends the program
// by the same signal. A signal the program was started with ignored stays ignored.
// SIGXFSZ is ignored: a write past the file-size limit (ulimit -f) then fails with
// EFBIG and is reported and cleaned up like any other failed write.
void RemoveTemporaryFileOnSignals();

// Names the temporary file of the write in progress. The caller has blocked the
// signals (see BlockedInterrupts) so that the handler never sees half a name. A name
// too long for the fixed buffer is not recorded.
void SetPendingTemporaryFile(const std::string& path);
void ClearPendingTemporaryFile();
// Removes the named temporary file, if any, and forgets it: for a write abandoned by an
// exception, which none of the writer's own failure paths saw.
void RemovePendingTemporaryFile();

// Holds those signals back for this thread while it lives; one that arrives meanwhile
// is delivered when it ends.
class BlockedInterrupts {
public:
    BlockedInterrupts();
    ~BlockedInterrupts();
    BlockedInterrupts(const BlockedInterrupts&) = delete;
    BlockedInterrupts& operator=(const BlockedInterrupts&) = delete;

private:
    sigset_t saved_{};  // the thread's signal mask before
};

}  // namespace zarvo
