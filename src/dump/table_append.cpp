#include "dump/table_append.h"

#include "core/file_descriptor.h"
#include "core/hex_text.h"
#include "core/messages.h"
#include "core/table_loader.h"
#include "dump/dump_file.h"
#include "dump/dump_messages.h"
#include "dump/dump_range.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo {

namespace {

// True when the file at path is empty, missing or ends with a line end.
[[nodiscard]] bool EndsWithLineEnd(const std::string& path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file.valid() || fstat(file.get(), &info) != 0 || info.st_size == 0) return true;
    char last = 0;
    if (pread(file.get(), &last, 1, info.st_size - 1) != 1) return true;
    return last == '\n';
}

// Appends and reloads; the notice tells a failure, success has none.
[[nodiscard]] TableAppendResult AppendAndReload(DocRecord& doc, TableSession& tables, const std::string& line)
{
    const std::string path = ActiveTablePath(doc.table);
    switch (AppendTableLine(path, line)) {
    case AppendError::None:
        break;
    case AppendError::NoTableFile:
        return {false, PlainNotice(messages::kNoTableFile)};
    case AppendError::CannotWrite:
        return {false, PlainNotice(messages::kCannotWriteTableFile)};
    }
    if (ReloadActiveTable(doc, tables) == TableLoadResult::OutOfMemory) {
        return {true, PlainNotice(messages::kTableAllocation)};
    }
    return {true, {}};
}

}  // namespace

std::string BookmarkLine(uint32_t offset, std::string_view name)
{
    std::string line = "(";
    AppendHex(line, offset, 0);
    line += "h)";
    line += name;
    line += '\n';
    return line;
}

std::string DumpLabelLine(uint32_t first, uint32_t last, std::string_view name)
{
    std::string line = "[";
    AppendHex(line, first, 8);
    line += '-';
    AppendHex(line, last, 8);
    line += ']';
    line += name;
    line += '\n';
    return line;
}

AppendError AppendTableLine(const std::string& path, std::string_view line)
{
    if (path.empty()) return AppendError::NoTableFile;
    const bool needsLineEnd = !EndsWithLineEnd(path);
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    struct stat info {};
    if (!file.valid() || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return AppendError::NoTableFile;
    std::string text = needsLineEnd ? "\n" : "";
    text += line;
    // One write, so that a failure leaves at most a partial last line behind.
    if (!WriteFully(file.get(), reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
        return AppendError::CannotWrite;
    }
    return file.close() ? AppendError::None : AppendError::CannotWrite;
}

TableAppendResult SaveBookmark(DocRecord& doc, TableSession& tables, uint32_t offset, std::string_view name)
{
    if (name.empty()) return {};
    return AppendAndReload(doc, tables, BookmarkLine(offset, name));
}

TableAppendResult SaveDumpLabel(DocRecord& doc, TableSession& tables, std::string_view startText, uint32_t last,
                                std::string_view name)
{
    const auto first = static_cast<uint32_t>(ReadDialogOffset(startText));
    TableAppendResult result = AppendAndReload(doc, tables, DumpLabelLine(first, last, name));
    if (result.notice.empty()) {
        result.notice = {NoticeKind::Exclamation, messages::kDumpBookmarkCaption, messages::kBookmarkSaved};
    }
    return result;
}

}  // namespace zarvo
