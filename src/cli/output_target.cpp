#include "cli/output_target.h"

#include "core/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::cli {

namespace {

[[nodiscard]] bool IsStreamDevice(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode));
}

[[nodiscard]] SaveError WriteToStream(const OutputProducer& produce, std::ostream& out)
{
    const ByteSink sink = [&out](const uint8_t* bytes, std::size_t count) {
        out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
        return static_cast<bool>(out);
    };
    const bool produced = produce(sink);
    out.flush();
    return produced && out ? SaveError::None : SaveError::CannotWrite;
}

[[nodiscard]] SaveError WriteToDevice(const std::string& path, const OutputProducer& produce)
{
    FileDescriptor device(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!device.valid()) return SaveError::CannotCreate;
    const ByteSink sink = [&device](const uint8_t* bytes, std::size_t count) {
        return WriteFully(device.get(), bytes, count);
    };
    const bool produced = produce(sink);
    return device.close() && produced ? SaveError::None : SaveError::CannotWrite;
}

}  // namespace

SaveError WriteOutput(const std::string& path, const OutputProducer& produce, std::ostream& out)
{
    if (path == "-") return WriteToStream(produce, out);
    if (IsStreamDevice(path)) return WriteToDevice(path, produce);
    return WriteFileReplacing(path, produce);
}

bool WriteDocumentOutput(const DocRecord& doc, const std::string& path, std::ostream& out, std::ostream& err)
{
    const auto count = static_cast<std::size_t>(doc.headerSize) + static_cast<std::size_t>(doc.fileSize);
    const uint8_t* bytes = doc.hasData() ? doc.storage.data() : nullptr;
    const auto produce = [bytes, count](const ByteSink& sink) { return count == 0 || sink(bytes, count); };
    if (WriteOutput(path, produce, out) == SaveError::None) return true;
    err << "zarvo-tool: cannot write " << path << "\n";
    return false;
}

}  // namespace zarvo::cli
