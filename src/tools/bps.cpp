#include "tools/bps.h"

#include "tools/crc32.h"
#include "tools/patch_number.h"
#include "tools/tool_messages.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace zarvo {

namespace {

constexpr uint8_t kMagic[] = {'B', 'P', 'S', '1'};
constexpr std::size_t kFooterSize = 12;
constexpr uint64_t kSizeLimit = uint64_t{1} << 31;  // files of 2 GiB or more cannot be read

[[nodiscard]] uint32_t LittleEndian32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Runs the actions into target, which holds targetSize bytes. Every action is checked
// before it touches anything: its length against the target left, its reads against
// the source, the patch and the target already made.
[[nodiscard]] BpsError RunActions(std::span<const uint8_t> actions, std::size_t at, std::span<const uint8_t> source,
                                  std::span<uint8_t> target)
{
    const uint64_t targetSize = target.size();
    const uint64_t sourceSize = source.size();
    uint64_t output = 0;
    int64_t sourceCursor = 0;
    int64_t targetCursor = 0;
    while (at < actions.size()) {
        uint64_t action = 0;
        if (!ReadPatchNumber(actions, at, action)) return BpsError::ActionOutOfBounds;
        const uint64_t length = (action >> 2) + 1;
        if (length > targetSize - output) return BpsError::ActionOutOfBounds;
        uint8_t* out = target.data() + output;
        switch (action & 3) {
        case 0:  // source read
            if (output + length > sourceSize) return BpsError::ActionOutOfBounds;
            std::memcpy(out, source.data() + output, length);
            break;
        case 1:  // target read
            if (length > actions.size() - at) return BpsError::ActionOutOfBounds;
            std::memcpy(out, actions.data() + at, length);
            at += length;
            break;
        case 2: {  // source copy
            int64_t move = 0;
            if (!ReadSignedPatchNumber(actions, at, move)) return BpsError::ActionOutOfBounds;
            sourceCursor += move;
            if (sourceCursor < 0 || static_cast<uint64_t>(sourceCursor) > sourceSize ||
                length > sourceSize - static_cast<uint64_t>(sourceCursor)) {
                return BpsError::ActionOutOfBounds;
            }
            std::memcpy(out, source.data() + sourceCursor, length);
            sourceCursor += static_cast<int64_t>(length);
            break;
        }
        case 3: {  // target copy
            int64_t move = 0;
            if (!ReadSignedPatchNumber(actions, at, move)) return BpsError::ActionOutOfBounds;
            targetCursor += move;
            // Only bytes already made may be read; the copy itself may then overlap
            // what it writes, which repeats a run.
            if (targetCursor < 0 || static_cast<uint64_t>(targetCursor) >= output) return BpsError::ActionOutOfBounds;
            const uint8_t* from = target.data() + targetCursor;
            const uint64_t distance = output - static_cast<uint64_t>(targetCursor);
            if (distance >= length) {
                std::memcpy(out, from, length);
            } else {
                for (uint64_t i = 0; i < length; ++i) out[i] = from[i];
            }
            targetCursor += static_cast<int64_t>(length);
            break;
        }
        }
        output += length;
    }
    return output == targetSize ? BpsError::None : BpsError::ActionsEndEarly;
}

[[nodiscard]] std::string Printed(const char* pattern, unsigned long a, unsigned long b = 0, unsigned long c = 0,
                                  unsigned long d = 0)
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

}  // namespace

BpsHeader ReadBpsHeader(std::span<const uint8_t> patch)
{
    BpsHeader header;
    if (patch.size() < kBpsSmallestPatch || std::memcmp(patch.data(), kMagic, sizeof kMagic) != 0) {
        header.error = BpsError::NotAPatch;
        return header;
    }
    const uint8_t* footer = patch.data() + patch.size() - kFooterSize;
    header.sourceCrc = LittleEndian32(footer);
    header.targetCrc = LittleEndian32(footer + 4);
    header.patchCrc = LittleEndian32(footer + 8);
    header.patchCrcFound = Crc32(patch.first(patch.size() - 4));

    const std::span<const uint8_t> body = patch.first(patch.size() - kFooterSize);
    std::size_t at = sizeof kMagic;
    uint64_t sizes[3] = {};
    for (uint64_t& size : sizes) {
        if (!ReadPatchNumber(body, at, size)) {
            header.error = BpsError::BadHeader;
            return header;
        }
    }
    if (sizes[0] >= kSizeLimit || sizes[1] >= kSizeLimit) {
        header.error = BpsError::TooLarge;
        return header;
    }
    header.sourceSize = static_cast<uint32_t>(sizes[0]);
    header.targetSize = static_cast<uint32_t>(sizes[1]);
    if (sizes[2] > body.size() - at) {
        header.error = BpsError::BadHeader;
        return header;
    }
    header.metadata = body.subspan(at, static_cast<std::size_t>(sizes[2]));
    header.actionsStart = at + static_cast<std::size_t>(sizes[2]);
    if (header.patchCrcFound != header.patchCrc) header.error = BpsError::PatchDamaged;
    return header;
}

BpsApplication ApplyBps(std::span<const uint8_t> patch, std::span<const uint8_t> source, bool ignoreChecksums)
{
    BpsApplication applied;
    applied.header = ReadBpsHeader(patch);
    const BpsHeader& header = applied.header;
    if (header.error != BpsError::None && !(header.error == BpsError::PatchDamaged && ignoreChecksums)) {
        applied.error = header.error;
        return applied;
    }
    applied.sourceSizeFound = static_cast<uint32_t>(source.size());
    applied.sourceCrcFound = Crc32(source);
    const bool sourceSizeHolds = source.size() == header.sourceSize;
    const bool isSource = sourceSizeHolds && applied.sourceCrcFound == header.sourceCrc;
    if (!isSource && source.size() == header.targetSize && applied.sourceCrcFound == header.targetCrc) {
        applied.error = BpsError::SourceIsTarget;
        return applied;
    }
    if (!sourceSizeHolds || (!isSource && !ignoreChecksums)) {
        applied.error = sourceSizeHolds ? BpsError::WrongSourceCrc : BpsError::WrongSourceSize;
        return applied;
    }

    std::vector<uint8_t> target;
    try {
        target.resize(header.targetSize);
    } catch (const std::bad_alloc&) {
        applied.error = BpsError::OutOfMemory;
        return applied;
    }
    const std::span<const uint8_t> actions = patch.first(patch.size() - kFooterSize);
    applied.error = RunActions(actions, header.actionsStart, source, target);
    if (applied.error != BpsError::None) return applied;
    applied.targetCrcFound = Crc32(target);
    if (applied.targetCrcFound != header.targetCrc && !ignoreChecksums) {
        applied.error = BpsError::WrongTargetCrc;
        return applied;
    }
    applied.target = std::move(target);
    return applied;
}

std::string BpsErrorText(const BpsApplication& applied)
{
    const BpsHeader& header = applied.header;
    switch (applied.error) {
    case BpsError::None:
        return {};
    case BpsError::NotAPatch:
        return messages::kBpsNotAPatch;
    case BpsError::TooLarge:
        return messages::kBpsTooLarge;
    case BpsError::BadHeader:
        return messages::kBpsBadHeader;
    case BpsError::PatchDamaged:
        return Printed(messages::kBpsPatchDamaged, header.patchCrcFound, header.patchCrc);
    case BpsError::SourceIsTarget:
        return Printed(messages::kBpsSourceIsTarget, applied.sourceSizeFound, applied.sourceCrcFound);
    case BpsError::WrongSourceSize:
    case BpsError::WrongSourceCrc:
        return Printed(messages::kBpsWrongSource, header.sourceSize, header.sourceCrc, applied.sourceSizeFound,
                       applied.sourceCrcFound);
    case BpsError::ActionOutOfBounds:
        return messages::kBpsActionOutOfBounds;
    case BpsError::ActionsEndEarly:
        return messages::kBpsActionsEndEarly;
    case BpsError::WrongTargetCrc:
        return Printed(messages::kBpsWrongTarget, applied.targetCrcFound, header.targetCrc);
    case BpsError::OutOfMemory:
        return messages::kBpsOutOfMemory;
    }
    return {};
}

}  // namespace zarvo
