#include "core/file_stamp.h"

#include <sys/stat.h>

namespace zarvo {

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileStamp{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                     static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
                     static_cast<int64_t>(info.st_mtim.tv_nsec)};
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    const auto a = StampOf(first);
    const auto b = StampOf(second);
    return a && b && a->device == b->device && a->inode == b->inode;
}

bool IsSymbolicLink(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace zarvo
