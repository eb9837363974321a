#pragma once
// Reading the records of an IPS patch one by one.

#include "tools/ips.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zarvo {

struct IpsRecord {
    uint32_t offset = 0;
    uint32_t length = 0;             // bytes stored; 0 only for an empty run
    const uint8_t* bytes = nullptr;  // the stored bytes, or null for a run
    uint8_t value = 0;               // the run's byte
};

// next() gives each record in turn and nothing at the end of the records: at "EOF",
// or where the patch ends between two records. It stops at the first fault, with
// error() set.
class IpsRecordReader {
public:
    explicit IpsRecordReader(std::span<const uint8_t> patch);

    [[nodiscard]] std::optional<IpsRecord> next();
    [[nodiscard]] IpsError error() const { return error_; }
    // The size after "EOF" that the patched file is cut to, when the patch has one.
    [[nodiscard]] std::optional<int32_t> cutTo() const { return cutTo_; }

private:
    [[nodiscard]] bool has(std::size_t count) const { return patch_.size() - position_ >= count; }
    uint32_t take(int count);
    std::optional<IpsRecord> fail();

    std::span<const uint8_t> patch_;
    std::size_t position_ = 0;
    IpsError error_ = IpsError::None;
    std::optional<int32_t> cutTo_;
};

}  // namespace zarvo
