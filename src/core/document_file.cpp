#include "core/document_file.h"

#include "core/document_edit.h"
#include "core/zsnes_palette.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <span>
#include <utility>

namespace zarvo {

OpenError OpenDocumentFile(DocRecord& doc, const std::string& path, InputFailure* failure)
{
    InputBytes input = ReadInputFile(path, static_cast<std::size_t>(kMinimumViewSize));
    if (failure != nullptr) *failure = input.failure;
    if (!input.ok()) return input.failure.error;
    doc.fileName = path;
    doc.storage = std::move(input.bytes);
    doc.headerSize = 0;
    doc.fileSize = input.length;
    doc.viewSize = std::max(input.length, kMinimumViewSize);
    return OpenError::None;
}

bool IsSavestatePath(std::string_view path)
{
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // The last extension only: game.zst.bak is a copy kept aside, not a savestate.
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot < 3) return false;
    return std::tolower(static_cast<unsigned char>(name[dot + 1])) == 'z' &&
           std::tolower(static_cast<unsigned char>(name[dot + 2])) == 's';
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

std::string FolderPart(std::string_view path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return ".";
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string PathWithExtension(std::string_view path, std::string_view extension)
{
    const auto slash = path.rfind('/');
    const auto nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    // A leading dot names a hidden file; it starts no extension.
    const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
    return std::string(hasExtension ? path.substr(0, dot) : path) + "." + std::string(extension);
}

std::string PathInFolder(std::string_view folder, std::string_view name)
{
    if (folder.empty() || name.empty() || name.front() == '/') return std::string(name);
    std::string path(folder);
    if (path.back() != '/') path += '/';
    return path + std::string(name);
}

SaveError WriteDocumentTo(const DocRecord& doc, const std::string& path, const WriteProgress& progress)
{
    if (!doc.hasData() || path.empty()) return SaveError::CannotCreate;
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    return WriteFileReplacing(path, doc.storage.data(), count, progress);
}

void TakeDiskStamp(DocRecord& doc) { doc.diskStamp = StampOf(doc.fileName).value_or(FileStamp{}); }

void MarkAsFileContent(DocRecord& doc, const std::string& path)
{
    doc.fileName = path;
    TakeDiskStamp(doc);
    MarkDocumentSaved(doc);
}

SaveError SaveDocumentFile(DocRecord& doc) { return SaveDocumentAs(doc, std::string(doc.fileName)); }

SaveError SaveDocumentAs(DocRecord& doc, const std::string& newPath)
{
    const SaveError result = WriteDocumentTo(doc, newPath);
    if (result == SaveError::None) MarkAsFileContent(doc, newPath);
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
