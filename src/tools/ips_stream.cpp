#include "tools/ips_stream.h"

#include "core/document_file.h"
#include "tools/ips_records.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace zarvo {

namespace {

// Gathers the small pieces into one buffer so that the file sees few large writes;
// long stretches of the original go to the file directly.
class BufferedFileSink final : public PatchedFileSink {
public:
    explicit BufferedFileSink(const ByteSink& file) : file_(file) { buffer_.reserve(kBufferSize); }

    bool bytes(const uint8_t* from, std::size_t count) override
    {
        if (count >= kDirectSize) return flush() && file_(from, count);
        if (buffer_.size() + count > kBufferSize && !flush()) return false;
        buffer_.insert(buffer_.end(), from, from + count);
        return true;
    }

    bool fill(uint8_t value, std::size_t count) override
    {
        while (count > 0) {
            if (buffer_.size() == kBufferSize && !flush()) return false;
            const std::size_t part = std::min(count, kBufferSize - buffer_.size());
            buffer_.insert(buffer_.end(), part, value);
            count -= part;
        }
        return true;
    }

    bool flush()
    {
        if (buffer_.empty()) return true;
        const bool written = file_(buffer_.data(), buffer_.size());
        buffer_.clear();
        return written;
    }

private:
    static constexpr std::size_t kBufferSize = 1 << 20;
    static constexpr std::size_t kDirectSize = 64 * 1024;

    const ByteSink& file_;
    std::vector<uint8_t> buffer_;
};

}  // namespace

bool IpsRecordsInOrder(std::span<const uint8_t> patch)
{
    IpsRecordReader reader(patch);
    uint64_t end = 0;
    while (const auto record = reader.next()) {
        if (record->length == 0) continue;  // an empty run stores nothing
        if (record->offset < end) return false;
        end = uint64_t{record->offset} + record->length;
    }
    return true;
}

bool StreamIps(std::span<const uint8_t> patch, std::span<const uint8_t> original, int32_t resultSize,
               PatchedFileSink& sink)
{
    const auto size = static_cast<std::size_t>(std::max(resultSize, 0));
    std::size_t done = 0;
    // The original's bytes up to end, then zero bytes where the original has none.
    const auto keepUpTo = [&](std::size_t end) {
        const std::size_t fromOriginal = std::min(end, original.size());
        if (done < fromOriginal) {
            if (!sink.bytes(original.data() + done, fromOriginal - done)) return false;
            done = fromOriginal;
        }
        if (done < end) {
            if (!sink.fill(0, end - done)) return false;
            done = end;
        }
        return true;
    };

    IpsRecordReader reader(patch);
    while (const auto record = reader.next()) {
        // Empty runs store nothing; a size after "EOF" cuts records past it away.
        if (record->length == 0 || record->offset >= size) continue;
        if (!keepUpTo(record->offset)) return false;
        const std::size_t count = std::min<std::size_t>(record->length, size - record->offset);
        const bool stored =
            record->bytes != nullptr ? sink.bytes(record->bytes, count) : sink.fill(record->value, count);
        if (!stored) return false;
        done = record->offset + count;
    }
    return keepUpTo(size);
}

IpsError WritePatchedFile(std::span<const uint8_t> original, std::span<const uint8_t> patch, const std::string& path)
{
    if (original.size() > static_cast<std::size_t>(INT32_MAX)) return IpsError::OutOfMemory;
    const IpsCheck check = CheckIps(patch, static_cast<int32_t>(original.size()));
    if (check.error != IpsError::None) return check.error;

    if (IpsRecordsInOrder(patch)) {
        bool outOfMemory = false;
        const SaveError saved = WriteFileReplacing(path, [&](const ByteSink& file) {
            try {
                BufferedFileSink sink(file);
                return StreamIps(patch, original, check.resultSize, sink) && sink.flush();
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
                return false;
            }
        });
        if (outOfMemory) return IpsError::OutOfMemory;
        return saved == SaveError::None ? IpsError::None : IpsError::CannotWriteFile;
    }
    // Records that go back over earlier ones need the whole result at hand.
    const IpsApplication applied = ApplyIps(patch, original);
    if (applied.error != IpsError::None) return applied.error;
    if (WriteFileReplacing(path, applied.result.data(), applied.result.size()) != SaveError::None) {
        return IpsError::CannotWriteFile;
    }
    return IpsError::None;
}

}  // namespace zarvo
