#include "core/output_file.h"

#include "core/file_descriptor.h"
#include "core/interrupt_cleanup.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo {

namespace {

// Short whatever the target is called, so that a target name of 255 bytes (the most a
// folder entry holds) still leaves room for it.
constexpr const char* kTemporaryName = "/.zarvo-XXXXXX";
constexpr int kMostLinksFollowed = 40;  // as the system itself gives up (ELOOP)
// A file pushed to the disk piece by piece goes in about this many pieces, none
// smaller than the first bound nor larger than the second.
constexpr std::size_t kPushPieces = 32;
constexpr std::size_t kSmallestPushPiece = std::size_t{256} << 10;
constexpr std::size_t kLargestPushPiece = std::size_t{8} << 20;

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a chain of symbolic links ends at; it need not exist yet.
std::string FollowLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        char target[PATH_MAX];
        const ssize_t length = readlink(current.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return current;
        std::string next(target, static_cast<std::size_t>(length));
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
    return current;
}

class Outcome {
public:
    explicit Outcome(WriteFailure* failure) : failure_(failure != nullptr ? *failure : local_) { failure_ = {}; }
    SaveError fail(SaveError error, int systemError)
    {
        failure_ = {error, systemError};
        return error;
    }

private:
    WriteFailure local_;
    WriteFailure& failure_;
};

// Pushes the pieces of a file to the disk as they are written: each piece's writeback
// starts at once and everything before it is waited for, so that copying and the disk
// overlap and the progress told is what the disk holds. Only a hint to the system
// (which may not support it); the final sync stays the proof.
class DiskPush {
public:
    DiskPush(const WriteProgress& progress, std::size_t total) : progress_(progress), total_(total) {}

    void written(int fd, std::size_t count)
    {
        const std::size_t start = written_;
        written_ += count;
        (void)sync_file_range(fd, static_cast<off64_t>(start), static_cast<off64_t>(count), SYNC_FILE_RANGE_WRITE);
        if (start > onDisk_) {
            (void)sync_file_range(fd, static_cast<off64_t>(onDisk_), static_cast<off64_t>(start - onDisk_),
                                  SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
            onDisk_ = start;
        }
        if (progress_) progress_(onDisk_, total_);
    }
    void synced()
    {
        if (progress_) progress_(total_, total_);
    }

private:
    const WriteProgress& progress_;
    std::size_t total_;
    std::size_t written_ = 0;
    std::size_t onDisk_ = 0;
};

// Writes to a descriptor that is not replaced: standard output, a FIFO, a device.
SaveError WriteStream(int fd, const ContentProducer& produce, Outcome& outcome)
{
    int writeError = 0;
    const ByteSink sink = [fd, &writeError](const uint8_t* bytes, std::size_t count) {
        if (WriteFully(fd, bytes, count)) return true;
        writeError = errno;
        return false;
    };
    if (!produce(sink)) return outcome.fail(SaveError::CannotWrite, writeError);
    return SaveError::None;
}

// New files get the usual permissions (0666 less the umask); a replaced one keeps its own.
mode_t ModeFor(const struct stat* old)
{
    if (old != nullptr) return old->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

SaveError ReplaceRegularFile(const std::string& target, const struct stat* old, const ContentProducer& produce,
                             Outcome& outcome, DiskPush* push)
{
    const std::string folder = FolderOf(target);
    std::string temporary = folder + kTemporaryName;
    int created = -1;
    {
        // Made and named for the signal handler in one step, so that no interruption
        // falls between the two.
        const BlockedInterrupts blocked;
        created = mkostemp(temporary.data(), O_CLOEXEC);
        if (created >= 0) SetPendingTemporaryFile(temporary);
    }
    if (created < 0) return outcome.fail(SaveError::CannotCreate, errno);
    FileDescriptor file(created);

    const auto discard = [&](SaveError error, int systemError) {
        file.close();
        const BlockedInterrupts blocked;
        ::unlink(temporary.c_str());
        ClearPendingTemporaryFile();
        return outcome.fail(error, systemError);
    };
    if (fchmod(file.get(), ModeFor(old)) != 0) return discard(SaveError::CannotWrite, errno);
    // Only root may hand the file back to its owner; others keep it as theirs.
    if (old != nullptr && geteuid() == 0 && fchown(file.get(), old->st_uid, old->st_gid) != 0) {
        return discard(SaveError::CannotWrite, errno);
    }
    int writeError = 0;
    const ByteSink sink = [&file, &writeError, push](const uint8_t* bytes, std::size_t count) {
        if (!WriteFully(file.get(), bytes, count)) {
            writeError = errno;
            return false;
        }
        if (push != nullptr) push->written(file.get(), count);
        return true;
    };
    if (!produce(sink)) return discard(SaveError::CannotWrite, writeError);
    if (fdatasync(file.get()) != 0) return discard(SaveError::CannotWrite, errno);
    if (push != nullptr) push->synced();
    if (!file.close()) return discard(SaveError::CannotWrite, errno);
    {
        const BlockedInterrupts blocked;
        if (::rename(temporary.c_str(), target.c_str()) != 0) {
            const int renameError = errno;
            ::unlink(temporary.c_str());
            ClearPendingTemporaryFile();
            return outcome.fail(SaveError::CannotReplace, renameError);
        }
        ClearPendingTemporaryFile();
    }
    // The rename is durable only once the folder is synced. File systems that cannot
    // sync a folder say EINVAL; they have nothing to sync.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid() || (fsync(directory.get()) != 0 && errno != EINVAL)) {
        return outcome.fail(SaveError::CannotWrite, errno);
    }
    return SaveError::None;
}

}  // namespace

std::string WriteFailureText(const WriteFailure& failure, std::string_view path)
{
    const std::string where(path);
    switch (failure.error) {
    case SaveError::None:
        return {};
    case SaveError::NotRegularFile:
        return where + " is not a regular file";
    case SaveError::CannotCreate:
    case SaveError::CannotWrite:
    case SaveError::CannotReplace:
    case SaveError::ReadOnlyTarget:
        break;
    }
    if (failure.systemError == 0) return "cannot write " + where;
    return "cannot write " + where + ": " + std::strerror(failure.systemError);
}

namespace {

SaveError WriteOutputPushed(const std::string& path, OutputRule rule, const ContentProducer& produce,
                            WriteFailure* failure, DiskPush* push)
{
    Outcome outcome(failure);
    const bool streams = rule == OutputRule::StreamsAllowed;
    if (path.empty()) return outcome.fail(SaveError::CannotCreate, ENOENT);

    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) return outcome.fail(SaveError::CannotCreate, errno);
    if (exists && !S_ISREG(info.st_mode)) {
        if (!streams || !(S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode))) {
            return outcome.fail(SaveError::NotRegularFile, 0);
        }
        // A FIFO waits here for its reader, as a shell's redirection does.
        FileDescriptor stream(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
        if (!stream.valid()) return outcome.fail(SaveError::CannotWrite, errno);
        const SaveError written = WriteStream(stream.get(), produce, outcome);
        if (written != SaveError::None) return written;
        if (!stream.close()) return outcome.fail(SaveError::CannotWrite, errno);
        return SaveError::None;
    }
    const std::string target = FollowLinks(path);
    if (exists) {
        // Refused as opening it for writing would be: the folder's permission to
        // replace it is not the user's permission to change it.
        FileDescriptor probe(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!probe.valid()) return outcome.fail(SaveError::ReadOnlyTarget, errno);
    }
    return ReplaceRegularFile(target, exists ? &info : nullptr, produce, outcome, push);
}

}  // namespace

SaveError WriteOutput(const std::string& path, OutputRule rule, const ContentProducer& produce, WriteFailure* failure)
{
    return WriteOutputPushed(path, rule, produce, failure, nullptr);
}

SaveError WriteOutputFollowingDisk(const std::string& path, OutputRule rule, const ContentProducer& produce,
                                   WriteFailure* failure)
{
    const WriteProgress unheard;
    DiskPush push(unheard, 0);
    return WriteOutputPushed(path, rule, produce, failure, &push);
}

SaveError WriteOutput(const std::string& path, OutputRule rule, const uint8_t* bytes, std::size_t count,
                      WriteFailure* failure)
{
    return WriteOutput(
        path, rule, [bytes, count](const ByteSink& sink) { return count == 0 || sink(bytes, count); }, failure);
}

SaveError WriteFileReplacing(const std::string& path, const uint8_t* bytes, std::size_t count)
{
    return WriteOutput(path, OutputRule::RegularFileOnly, bytes, count);
}

SaveError WriteFileReplacing(const std::string& path, const ContentProducer& produce)
{
    return WriteOutput(path, OutputRule::RegularFileOnly, produce);
}

SaveError WriteFileReplacing(const std::string& path, const uint8_t* bytes, std::size_t count,
                             const WriteProgress& progress, WriteFailure* failure)
{
    const std::size_t piece = std::clamp(count / kPushPieces, kSmallestPushPiece, kLargestPushPiece);
    const ContentProducer inPieces = [bytes, count, piece](const ByteSink& sink) {
        for (std::size_t done = 0; done < count; done += piece) {
            if (!sink(bytes + done, std::min(piece, count - done))) return false;
        }
        return true;
    };
    DiskPush push(progress, count);
    return WriteOutputPushed(path, OutputRule::RegularFileOnly, inPieces, failure, &push);
}

}  // namespace zarvo
