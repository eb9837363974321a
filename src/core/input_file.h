#pragma once
// The one way a file the user names is read: documents, tables, patches, the files of
// a compare, the settings file and every zarvo-tool input. A file is opened without
// blocking (a FIFO or a device never makes the program wait), must be a regular file
// below a size limit, and is read with read(): bytes are copied into the program's
// memory, never mapped, so a file truncated later cannot fault.

#include "core/document_bytes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zarvo {

// The largest file the program reads: offsets and sizes are 32-bit signed.
inline constexpr int64_t kLargestInputFile = INT32_MAX;

enum class InputError {
    None,
    CannotOpen,      // open() or stat() failed: missing, no permission (systemError says why)
    NotRegularFile,  // a folder, FIFO, device or socket
    TooLarge,        // larger than the limit of this kind of file
    CannotRead,      // read() failed part way (systemError says why)
    OutOfMemory,     // the bytes could not be held in memory
};

struct InputFailure {
    InputError error = InputError::None;
    int systemError = 0;                    // errno of the call that failed, 0 when none did
    int64_t sizeLimit = kLargestInputFile;  // the largest size the reader would have taken
};

// What went wrong, naming the path: "cannot open PATH: No such file or directory",
// "PATH is not a regular file", "PATH is 2 GiB or larger, ...". Empty for None.
[[nodiscard]] std::string InputFailureText(const InputFailure& failure, std::string_view path);

class InputFile {
public:
    // Opens path for reading; isOpen() tells whether it is a regular file of at most
    // sizeLimit bytes (and at most kLargestInputFile).
    explicit InputFile(const std::string& path, int64_t sizeLimit = kLargestInputFile);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }
    [[nodiscard]] const InputFailure& failure() const { return failure_; }
    // The size when the file was opened.
    [[nodiscard]] int32_t size() const { return size_; }

    // Reads the next count bytes; false, with failure() set, when the file ends before
    // them or cannot be read.
    [[nodiscard]] bool read(uint8_t* into, std::size_t count);
    // Reads up to count bytes, fewer only at the end of the file; -1 on a read error.
    [[nodiscard]] int64_t readUpTo(uint8_t* into, std::size_t count);
    // Reads the count bytes at offset, wherever the reads above have got to; false,
    // with failure() set, when the file ends before them or cannot be read.
    [[nodiscard]] bool readAt(int64_t offset, uint8_t* into, std::size_t count);

private:
    [[nodiscard]] bool open(const std::string& path);
    // Records the failure and closes the file; always false.
    bool fail(InputError error, int systemError);

    int fd_ = -1;
    int32_t size_ = 0;
    InputFailure failure_;
};

// A whole file in memory.
struct InputBytes {
    InputFailure failure;  // error None when the file was read
    DocumentBytes bytes;   // at least the minimum size asked for, zero past the file's bytes
    int32_t length = 0;    // the file's bytes read

    [[nodiscard]] bool ok() const { return failure.error == InputError::None; }
    [[nodiscard]] std::span<const uint8_t> content() const { return {bytes.data(), static_cast<std::size_t>(length)}; }
};

// Reads the file at path whole into a buffer of at least minimumSize bytes. A file
// that shrank after it was opened gives the bytes it still held.
[[nodiscard]] InputBytes ReadInputFile(const std::string& path, std::size_t minimumSize = 0,
                                       int64_t sizeLimit = kLargestInputFile);

}  // namespace zarvo
