#include "tools/ips.h"

#include "tools/byte_scan.h"
#include "tools/ips_records.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zarvo {

namespace {

constexpr uint8_t kHeader[] = {'P', 'A', 'T', 'C', 'H'};
constexpr uint8_t kEndMark[] = {'E', 'O', 'F'};

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Appends the record that stores current[start .. start+length-1]. A record whose bytes
// are all one value, nine or more of them, becomes a run; any other stays literal, even
// when a long run sits inside it.
bool PutRecord(std::vector<uint8_t>& out, std::span<const uint8_t> current, std::size_t start, std::size_t length)
{
    if (static_cast<int64_t>(start + length) > kIpsOffsetLimit) return false;
    const uint8_t* bytes = current.data() + start;
    PutBigEndian(out, static_cast<uint32_t>(start), 3);
    const bool run = length >= kIpsMinRunLength &&
                     std::all_of(bytes + 1, bytes + length, [first = bytes[0]](uint8_t b) { return b == first; });
    if (run) {
        PutBigEndian(out, 0, 2);
        PutBigEndian(out, static_cast<uint32_t>(length), 2);
        out.push_back(bytes[0]);
    } else {
        PutBigEndian(out, static_cast<uint32_t>(length), 2);
        out.insert(out.end(), bytes, bytes + length);
    }
    return true;
}

// A record may not begin at 0x454F46: its offset bytes would read back as the end
// mark and every record after it would be lost. It begins one byte earlier instead,
// restating a byte that already has its new value.
std::size_t RecordStart(std::size_t position) { return position == kIpsEofOffset ? position - 1 : position; }

// Grows a record from start over the compared range [0, end): differing bytes, and
// stretches of at most five equal bytes between them, up to 32768 bytes.
std::size_t GrowRecord(const uint8_t* unchanged, const uint8_t* current, std::size_t start, std::size_t length,
                       std::size_t end)
{
    const auto differs = [&](std::size_t at) { return unchanged[at] != current[at]; };
    for (;;) {
        while (length < kIpsMaxRecordLength && start + length < end && differs(start + length)) ++length;
        if (length + kIpsMaxBridge >= kIpsMaxRecordLength || start + length >= end) return length;
        // Count the equal bytes ahead, at most five; the look-ahead stops at the end of
        // the compared range, and an equal stretch that reaches it ends the record.
        std::size_t equal = 0;
        while (equal < kIpsMaxBridge && start + length + equal < end && !differs(start + length + equal)) ++equal;
        if (start + length + equal >= end) return length;
        if (equal == kIpsMaxBridge && !differs(start + length + equal)) return length;  // six or more equal
        if (length + equal >= kIpsMaxRecordLength) return length;
        length += equal;
    }
}

}  // namespace

IpsCreation CreateIps(std::span<const uint8_t> unchanged, std::span<const uint8_t> current)
{
    IpsCreation made;
    std::vector<uint8_t>& out = made.patch;
    out.reserve(64 * 1024);
    out.insert(out.end(), std::begin(kHeader), std::end(kHeader));
    const auto refuse = [&made] {
        made.patch.clear();
        made.error = IpsError::BeyondOffsetLimit;
        return std::move(made);
    };

    const std::size_t compared = std::min(unchanged.size(), current.size());
    std::size_t position = 0;
    while (true) {
        position = NextDifference(unchanged.data(), current.data(), position, compared);
        if (position >= compared) break;
        const std::size_t start = RecordStart(position);
        const std::size_t length = GrowRecord(unchanged.data(), current.data(), start, position - start, compared);
        if (!PutRecord(out, current, start, length)) return refuse();
        position = start + length;
    }
    // The tail of a longer current file, in records of at most 32768 bytes.
    for (position = compared; position < current.size();) {
        const std::size_t start = RecordStart(position);
        const std::size_t length = std::min(kIpsMaxRecordLength, current.size() - start);
        if (!PutRecord(out, current, start, length)) return refuse();
        position = start + length;
    }
    const bool hasRecords = out.size() > sizeof kHeader;
    out.insert(out.end(), std::begin(kEndMark), std::end(kEndMark));
    if (current.size() < unchanged.size()) {
        // The format cannot shorten a file; the size after "EOF" is the extension
        // other patchers write and read for it.
        if (static_cast<int64_t>(current.size()) >= kIpsOffsetLimit) return refuse();
        PutBigEndian(out, static_cast<uint32_t>(current.size()), 3);
    } else if (!hasRecords) {
        made.patch.clear();
        made.error = IpsError::FilesEqual;
    }
    return made;
}

IpsCheck CheckIps(std::span<const uint8_t> patch, int32_t originalSize)
{
    IpsRecordReader reader(patch);
    int64_t size = originalSize;
    while (const auto record = reader.next()) {
        // A run of length 0 stores nothing and does not lengthen the file.
        if (record->length != 0) size = std::max<int64_t>(size, int64_t{record->offset} + record->length);
    }
    if (reader.error() != IpsError::None) return {reader.error(), 0};
    if (const auto cutTo = reader.cutTo(); cutTo && *cutTo < size) size = *cutTo;
    return {IpsError::None, static_cast<int32_t>(size)};
}

void WriteIpsRecords(std::span<const uint8_t> patch, std::span<uint8_t> target)
{
    IpsRecordReader reader(patch);
    while (const auto record = reader.next()) {
        if (record->offset >= target.size()) continue;
        const std::size_t count = std::min<std::size_t>(record->length, target.size() - record->offset);
        uint8_t* into = target.data() + record->offset;
        if (record->bytes != nullptr) {
            std::memcpy(into, record->bytes, count);
        } else {
            std::memset(into, record->value, count);
        }
    }
}

IpsApplication ApplyIps(std::span<const uint8_t> patch, std::span<const uint8_t> original)
{
    IpsApplication applied;
    if (original.size() > static_cast<std::size_t>(INT32_MAX)) {
        applied.error = IpsError::OutOfMemory;
        return applied;
    }
    const IpsCheck check = CheckIps(patch, static_cast<int32_t>(original.size()));
    if (check.error != IpsError::None) {
        applied.error = check.error;
        return applied;
    }
    try {
        applied.result.assign(static_cast<std::size_t>(check.resultSize), 0);
    } catch (const std::bad_alloc&) {
        applied.error = IpsError::OutOfMemory;
        return applied;
    }
    const std::size_t kept = std::min(original.size(), applied.result.size());
    if (kept != 0) std::memcpy(applied.result.data(), original.data(), kept);
    WriteIpsRecords(patch, applied.result);
    return applied;
}

}  // namespace zarvo
