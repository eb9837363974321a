#include "tools/ups.h"

#include "tools/crc32.h"
#include "tools/patch_number.h"
#include "tools/tool_messages.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace zarvo {

namespace {

constexpr uint8_t kMagic[] = {'U', 'P', 'S', '1'};
constexpr std::size_t kFooterSize = 12;
constexpr std::size_t kSmallestPatch = 18;  // magic, two one-byte numbers, three CRCs
constexpr uint64_t kSizeLimit = uint64_t{1} << 31;

[[nodiscard]] uint32_t LittleEndian32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// XORs the records from `at` on into result. Bytes that fall past the result's end
// belong to the longer of the two files and are passed over.
[[nodiscard]] bool RunRecords(std::span<const uint8_t> records, std::size_t at, std::span<uint8_t> result)
{
    uint64_t position = 0;
    while (at < records.size()) {
        uint64_t skip = 0;
        if (!ReadPatchNumber(records, at, skip) || skip > kSizeLimit) return false;
        position += skip;
        for (;;) {
            if (at >= records.size()) return false;
            const uint8_t change = records[at++];
            if (position < result.size()) result[position] ^= change;
            ++position;
            if (change == 0) break;
        }
        if (position > 2 * kSizeLimit) return false;
    }
    return true;
}

}  // namespace

UpsApplication ApplyUps(std::span<const uint8_t> patch, std::span<const uint8_t> file)
{
    UpsApplication applied;
    if (patch.size() < kSmallestPatch || std::memcmp(patch.data(), kMagic, sizeof kMagic) != 0) {
        applied.error = BpsError::NotAPatch;
        return applied;
    }
    const uint8_t* footer = patch.data() + patch.size() - kFooterSize;
    applied.inputCrc = LittleEndian32(footer);
    applied.outputCrc = LittleEndian32(footer + 4);
    applied.patchCrc = LittleEndian32(footer + 8);
    applied.patchCrcFound = Crc32(patch.first(patch.size() - 4));
    const std::span<const uint8_t> records = patch.first(patch.size() - kFooterSize);
    std::size_t at = sizeof kMagic;
    uint64_t sizes[2] = {};
    for (uint64_t& size : sizes) {
        if (!ReadPatchNumber(records, at, size)) {
            applied.error = BpsError::BadHeader;
            return applied;
        }
    }
    if (sizes[0] >= kSizeLimit || sizes[1] >= kSizeLimit) {
        applied.error = BpsError::TooLarge;
        return applied;
    }
    applied.inputSize = static_cast<uint32_t>(sizes[0]);
    applied.outputSize = static_cast<uint32_t>(sizes[1]);
    if (applied.patchCrcFound != applied.patchCrc) {
        applied.error = BpsError::PatchDamaged;
        return applied;
    }

    applied.fileSize = static_cast<uint32_t>(file.size());
    applied.fileCrc = Crc32(file);
    const bool isInput = file.size() == applied.inputSize && applied.fileCrc == applied.inputCrc;
    const bool isOutput = file.size() == applied.outputSize && applied.fileCrc == applied.outputCrc;
    if (!isInput && !isOutput) {
        applied.error = file.size() == applied.inputSize ? BpsError::WrongSourceCrc : BpsError::WrongSourceSize;
        return applied;
    }
    applied.backwards = !isInput;
    const uint32_t resultSize = applied.backwards ? applied.inputSize : applied.outputSize;
    const uint32_t expectedCrc = applied.backwards ? applied.inputCrc : applied.outputCrc;

    std::vector<uint8_t> result;
    try {
        result.assign(resultSize, 0);
    } catch (const std::bad_alloc&) {
        applied.error = BpsError::OutOfMemory;
        return applied;
    }
    std::copy_n(file.begin(), std::min<std::size_t>(file.size(), resultSize), result.begin());
    if (!RunRecords(records, at, result)) {
        applied.error = BpsError::ActionOutOfBounds;
        return applied;
    }
    applied.resultCrc = Crc32(result);
    if (applied.resultCrc != expectedCrc) {
        applied.error = BpsError::WrongTargetCrc;
        return applied;
    }
    applied.result = std::move(result);
    return applied;
}

std::string UpsErrorText(const UpsApplication& applied)
{
    char text[512];
    switch (applied.error) {
    case BpsError::None:
        return {};
    case BpsError::NotAPatch:
        return messages::kUpsNotAPatch;
    case BpsError::TooLarge:
        return messages::kBpsTooLarge;
    case BpsError::BadHeader:
        return messages::kBpsBadHeader;
    case BpsError::PatchDamaged:
        std::snprintf(text, sizeof text, messages::kBpsPatchDamaged, static_cast<unsigned long>(applied.patchCrcFound),
                      static_cast<unsigned long>(applied.patchCrc));
        return text;
    case BpsError::SourceIsTarget:
    case BpsError::WrongSourceSize:
    case BpsError::WrongSourceCrc:
        std::snprintf(text, sizeof text, messages::kUpsWrongInput, static_cast<unsigned long>(applied.inputSize),
                      static_cast<unsigned long>(applied.inputCrc), static_cast<unsigned long>(applied.outputSize),
                      static_cast<unsigned long>(applied.outputCrc));
        return text;
    case BpsError::ActionOutOfBounds:
    case BpsError::ActionsEndEarly:
        return messages::kUpsDamaged;
    case BpsError::WrongTargetCrc:
        std::snprintf(text, sizeof text, messages::kBpsWrongTarget, static_cast<unsigned long>(applied.resultCrc),
                      static_cast<unsigned long>(applied.backwards ? applied.inputCrc : applied.outputCrc));
        return text;
    case BpsError::OutOfMemory:
        return messages::kBpsOutOfMemory;
    }
    return {};
}

}  // namespace zarvo
