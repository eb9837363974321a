#pragma once
// The one way the program writes a file. A regular file is replaced only once its new
// content is completely written: a short-named temporary file in the same folder is
// written, synced, given the old file's permissions and renamed over it, and then the
// folder is synced, so a finished write survives a power cut and a failed one leaves
// the old file whole. A symbolic link is followed and the file it names replaced.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zarvo {

enum class SaveError {
    None,
    CannotCreate,    // the temporary file beside the target could not be made
    CannotWrite,     // writing or syncing failed (disk full, I/O error)
    CannotReplace,   // the finished file could not take the target's place
    NotRegularFile,  // the target is a folder, a device, a FIFO or a socket
    ReadOnlyTarget,  // the target exists and may not be written by this user
};

// What a write may do with a target that is not a regular file.
enum class OutputRule {
    RegularFileOnly,  // the editor's files: anything but a regular file or a new name is refused
    StreamsAllowed,   // zarvo-tool's -o: an existing FIFO or character device is written to
                      // directly, in order, without a temporary file (zarvo-tool itself
                      // writes "-" to its standard output)
};

struct WriteFailure {
    SaveError error = SaveError::None;
    int systemError = 0;  // errno of the call that failed, 0 when none did
};

// "cannot write PATH: No space left on device", "PATH is not a regular file"; empty for None.
[[nodiscard]] std::string WriteFailureText(const WriteFailure& failure, std::string_view path);

// Takes the bytes of a file being written, piece by piece; false when writing failed.
using ByteSink = std::function<bool(const uint8_t* bytes, std::size_t count)>;
// Hands the content to its sink, in order; false when it could not be made (nothing
// replaces the target then).
using ContentProducer = std::function<bool(const ByteSink&)>;

// Writes what produce hands to its sink to path under rule. On failure failure (when
// given) says why.
[[nodiscard]] SaveError WriteOutput(const std::string& path, OutputRule rule, const ContentProducer& produce,
                                    WriteFailure* failure = nullptr);
[[nodiscard]] SaveError WriteOutput(const std::string& path, OutputRule rule, const uint8_t* bytes, std::size_t count,
                                    WriteFailure* failure = nullptr);
// WriteOutput with each piece of a regular file pushed to the disk as it is written,
// as the large saves do, so that the producer's own progress follows the disk and the
// final sync has little left to do.
[[nodiscard]] SaveError WriteOutputFollowingDisk(const std::string& path, OutputRule rule,
                                                 const ContentProducer& produce, WriteFailure* failure = nullptr);

// Writes count bytes to path, replacing a regular file only.
[[nodiscard]] SaveError WriteFileReplacing(const std::string& path, const uint8_t* bytes, std::size_t count);

// Told how many of total bytes have reached the disk; called on the thread that writes.
using WriteProgress = std::function<void(std::size_t done, std::size_t total)>;
// The same, for a large file that the user waits for: it is written in pieces, each
// pushed to the disk while the next one is written, so that the progress follows the
// disk and the final sync has little left to do.
[[nodiscard]] SaveError WriteFileReplacing(const std::string& path, const uint8_t* bytes, std::size_t count,
                                           const WriteProgress& progress, WriteFailure* failure = nullptr);
[[nodiscard]] SaveError WriteFileReplacing(const std::string& path, const ContentProducer& produce);

}  // namespace zarvo
