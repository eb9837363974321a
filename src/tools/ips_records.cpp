#include "tools/ips_records.h"

#include <cstring>

namespace zarvo {

namespace {

constexpr uint8_t kHeader[] = {'P', 'A', 'T', 'C', 'H'};
constexpr std::size_t kCutSizeBytes = 3;

}  // namespace

IpsRecordReader::IpsRecordReader(std::span<const uint8_t> patch) : patch_(patch)
{
    if (patch.size() < sizeof kHeader || std::memcmp(patch.data(), kHeader, sizeof kHeader) != 0) {
        error_ = IpsError::NotAPatch;
        position_ = patch.size();
    } else {
        position_ = sizeof kHeader;
    }
}

std::optional<IpsRecord> IpsRecordReader::next()
{
    // A patch may end after its last record without an end mark.
    if (position_ >= patch_.size()) return std::nullopt;
    if (!has(3)) return fail();
    IpsRecord record;
    record.offset = take(3);
    if (record.offset == kIpsEofOffset) {
        // Exactly three more bytes after the end mark give the size to cut the file
        // to; anything else there is ignored.
        if (patch_.size() - position_ == kCutSizeBytes) cutTo_ = static_cast<int32_t>(take(3));
        position_ = patch_.size();
        return std::nullopt;
    }
    if (!has(2)) return fail();
    record.length = take(2);
    if (record.length != 0) {
        if (!has(record.length)) return fail();
        record.bytes = patch_.data() + position_;
        position_ += record.length;
    } else {
        // A run: two bytes of length and the byte to repeat.
        if (!has(3)) return fail();
        record.length = take(2);
        record.value = static_cast<uint8_t>(take(1));
    }
    return record;
}

uint32_t IpsRecordReader::take(int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | patch_[position_++];
    return value;
}

std::optional<IpsRecord> IpsRecordReader::fail()
{
    error_ = IpsError::Truncated;
    position_ = patch_.size();
    return std::nullopt;
}

}  // namespace zarvo
