#pragma once
// What tells a file's content apart from the one read before without reading it
// again: its identity, size and last change time.

#include <cstdint>
#include <optional>
#include <string>

namespace zarvo {

struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t changedSeconds = 0;
    int64_t changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path now; nothing when it cannot be looked at.
[[nodiscard]] std::optional<FileStamp> StampOf(const std::string& path);

// True when both paths exist and name the same file (one device, one inode), however
// they are spelt.
[[nodiscard]] bool IsSameFile(const std::string& first, const std::string& second);
// True when path itself is a symbolic link (whatever it points at, if anything).
[[nodiscard]] bool IsSymbolicLink(const std::string& path);

}  // namespace zarvo
