#include "core/document_file.h"

#include "core/file_descriptor.h"
#include "core/zsnes_palette.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zarvo {

namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat linkInfo {};
    if (lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode) &&
        realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

}  // namespace

OpenError OpenDocumentFile(DocRecord& doc, const std::string& path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) return OpenError::CannotOpen;
    struct stat info {};
    if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return OpenError::CannotOpen;
    if (info.st_size > INT32_MAX) return OpenError::TooLarge;
    const auto size = static_cast<int32_t>(info.st_size);
    const int32_t viewSize = std::max(size, kMinimumViewSize);

    DocumentBytes bytes;
    std::optional<DocumentBytes> mapping;
    if (size >= kMinimumViewSize) mapping = DocumentBytes::MapPrivate(file.get(), static_cast<std::size_t>(size));
    if (mapping) {
        bytes = std::move(*mapping);
    } else {
        bytes = DocumentBytes::Owned(static_cast<std::size_t>(viewSize));
        if (!ReadFully(file.get(), bytes.data(), static_cast<std::size_t>(size))) return OpenError::CannotOpen;
    }

    doc.fileName = path;
    doc.storage = std::move(bytes);
    doc.headerSize = 0;
    doc.fileSize = size;
    doc.viewSize = viewSize;
    return OpenError::None;
}

bool IsSavestatePath(std::string_view path)
{
    const auto dot = path.find('.');
    if (dot == std::string_view::npos || path.size() - dot < 3) return false;
    return std::tolower(static_cast<unsigned char>(path[dot + 1])) == 'z' &&
           std::tolower(static_cast<unsigned char>(path[dot + 2])) == 's';
}

bool CanRemoveSavestateHeader(const DocRecord& doc)
{
    return doc.hasData() && doc.headerSize == 0 && doc.fileSize >= kSavestateHeaderSize;
}

void RemoveSavestateHeader(DocRecord& doc)
{
    if (!CanRemoveSavestateHeader(doc)) return;
    doc.headerSize = kSavestateHeaderSize;
    doc.fileSize -= kSavestateHeaderSize;
    doc.viewSize -= kSavestateHeaderSize;
}

void ReadSavestatePalette(DocRecord& doc)
{
    const int32_t wholeFile = doc.fileSize + doc.headerSize;
    if (!doc.hasData() || wholeFile < kSavestatePaletteOffset + kSavestatePaletteBytes) return;
    const std::span<const uint8_t, kSavestatePaletteBytes> words(doc.storage.data() + kSavestatePaletteOffset,
                                                                 kSavestatePaletteBytes);
    doc.savestatePalette = ConvertZsnesPalette(words);
}

std::string CompanionTablePath(std::string_view path)
{
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::string(path) + "tbl";
    return std::string(path.substr(0, dot + 1)) + "tbl";
}

std::string FileNamePart(std::string_view path)
{
    const auto separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

SaveError WriteFileReplacing(const std::string& path, const std::function<bool(const ByteSink&)>& produce)
{
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;

    std::string temporary = FolderOf(target) + "/." + FileNamePart(target) + ".XXXXXX";
    FileDescriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.valid()) return SaveError::CannotCreate;

    const auto discard = [&](SaveError error) {
        file.close();
        ::unlink(temporary.c_str());
        return error;
    };
    // mkostemp creates 0600; a new file gets the usual permissions, a replaced one keeps its own.
    mode_t mode = 0666;
    if (existed) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (fchmod(file.get(), mode) != 0) return discard(SaveError::CannotWrite);
    if (existed && geteuid() == 0) {
        // Only root may hand the file back to its owner; others keep it as theirs.
        if (fchown(file.get(), old.st_uid, old.st_gid) != 0) return discard(SaveError::CannotWrite);
    }
    const ByteSink sink = [&file](const uint8_t* bytes, std::size_t count) {
        return WriteFully(file.get(), bytes, count);
    };
    if (!produce(sink)) return discard(SaveError::CannotWrite);
    if (fdatasync(file.get()) != 0) return discard(SaveError::CannotWrite);
    if (!file.close()) {
        ::unlink(temporary.c_str());
        return SaveError::CannotWrite;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return SaveError::CannotReplace;
    }
    return SaveError::None;
}

SaveError WriteFileReplacing(const std::string& path, const uint8_t* bytes, std::size_t count)
{
    return WriteFileReplacing(path, [bytes, count](const ByteSink& sink) { return sink(bytes, count); });
}

SaveError SaveDocumentFile(const DocRecord& doc)
{
    if (!doc.hasData() || doc.fileName.empty()) return SaveError::CannotCreate;
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    return WriteFileReplacing(doc.fileName, doc.storage.data(), count);
}

SaveError SaveDocumentAs(DocRecord& doc, const std::string& newPath)
{
    if (!doc.hasData() || newPath.empty()) return SaveError::CannotCreate;
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    const SaveError result = WriteFileReplacing(newPath, doc.storage.data(), count);
    if (result == SaveError::None) doc.fileName = newPath;
    return result;
}

int32_t FileSizeOf(std::FILE* stream)
{
    if (stream == nullptr) return -1;
    const long position = std::ftell(stream);
    if (position < 0 || std::fseek(stream, 0, SEEK_END) != 0) return -1;
    const long size = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    if (size < 0 || size > INT32_MAX) return -1;
    return static_cast<int32_t>(size);
}

}  // namespace zarvo
