#include "tools/bps_create.h"

#include "tools/crc32.h"
#include "tools/patch_number.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

namespace zarvo {

namespace {

constexpr std::size_t kWordBytes = 8;    // the bytes one index entry stands for
constexpr std::size_t kSourceStep = 4;   // every fourth source position is indexed
constexpr std::size_t kLongMatch = 64;   // a match this long is taken without looking further
constexpr int64_t kLeastGain = 2;        // bytes a match must save over storing them
constexpr int kLargestTargetIndexBits = 20;
constexpr std::size_t kRecentShifts = 4;         // source copies' shifts tried again first
constexpr int64_t kShiftWindow = 4096;           // how far from a recent shift a new one is looked for

enum Action : uint8_t { kSourceRead = 0, kTargetRead = 1, kSourceCopy = 2, kTargetCopy = 3 };

[[nodiscard]] uint64_t Word(const uint8_t* bytes)
{
    uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

[[nodiscard]] uint32_t Slot(uint64_t word, int bits)
{
    return static_cast<uint32_t>((word * 0x9E3779B97F4A7C15ULL) >> (64 - bits));
}

// How many bytes from a and b on are equal, at most limit; eight at a time.
[[nodiscard]] std::size_t EqualLength(const uint8_t* a, const uint8_t* b, std::size_t limit)
{
    std::size_t length = 0;
    for (; length + kWordBytes <= limit; length += kWordBytes) {
        const uint64_t differ = Word(a + length) ^ Word(b + length);
        if (differ != 0) return length + static_cast<std::size_t>(std::countr_zero(differ) / 8);
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
}

// How many bytes just before a and b are equal, at most limit.
[[nodiscard]] std::size_t EqualLengthBefore(const uint8_t* a, const uint8_t* b, std::size_t limit)
{
    std::size_t length = 0;
    while (length < limit && a[-1 - static_cast<std::ptrdiff_t>(length)] == b[-1 - static_cast<std::ptrdiff_t>(length)])
        ++length;
    return length;
}

[[nodiscard]] int BitsFor(std::size_t entries, int smallest, int largest)
{
    const int bits = std::bit_width(std::max<std::size_t>(entries, 1) - 1);
    return std::clamp(bits, smallest, largest);
}

class Encoder {
public:
    Encoder(std::span<const uint8_t> source, std::span<const uint8_t> target, std::vector<uint8_t>& out)
        : source_(source), target_(target), out_(out)
    {}

    void run(const BpsProgress& progress)
    {
        const std::size_t size = target_.size();
        std::size_t at = 0;
        std::size_t nextReport = kBpsProgressStep;
        while (at < size) {
            if (at >= nextReport && progress) {
                progress(at, size);
                nextReport = at + kBpsProgressStep;
            }
            const Match match = find(at);
            if (match.gain < kLeastGain) {
                noteStored(at++);
                continue;
            }
            const std::size_t start = at - match.back;
            storeUpTo(start);
            emit(match, start);
            at += match.length;
            stored_ = at;
        }
        storeUpTo(size);
    }

private:
    // A stretch of the target from `at` that an action other than a target read can
    // make: `length` bytes from `at` on, and `back` bytes before it still to be stored.
    struct Match {
        Action action = kTargetRead;
        std::size_t from = 0;  // where the copy of the byte at `at` comes from
        std::size_t length = 0;
        std::size_t back = 0;
        int64_t gain = 0;  // bytes saved over storing them
    };

    [[nodiscard]] int64_t costOf(Action action, std::size_t start, std::size_t total) const
    {
        int64_t cost = PatchNumberLength(((total - 1) << 2) | action);
        if (action == kSourceCopy) cost += PatchNumberLength(Zigzag(static_cast<int64_t>(start) - sourceCursor_));
        if (action == kTargetCopy) cost += PatchNumberLength(Zigzag(static_cast<int64_t>(start) - targetCursor_));
        return cost;
    }

    [[nodiscard]] static uint64_t Zigzag(int64_t move)
    {
        const uint64_t magnitude = move < 0 ? 0 - static_cast<uint64_t>(move) : static_cast<uint64_t>(move);
        return magnitude << 1 | (move < 0 ? 1 : 0);
    }

    void consider(Match& best, Action action, std::size_t from, std::size_t length, std::size_t back) const
    {
        if (length == 0) return;
        const std::size_t total = length + back;
        const int64_t gain = static_cast<int64_t>(total) - costOf(action, from - back, total);
        if (gain > best.gain) best = {action, from, length, back, gain};
    }

    [[nodiscard]] Match find(std::size_t at)
    {
        Match best;
        const uint8_t* here = target_.data() + at;
        const std::size_t left = target_.size() - at;
        const std::size_t pending = at - stored_;
        const std::size_t sourceSize = source_.size();
        if (at < sourceSize) {
            consider(best, kSourceRead, at, EqualLength(source_.data() + at, here, std::min(sourceSize - at, left)), 0);
            if (best.length >= kLongMatch) return best;
        }
        // After an insertion or a deletion the rest of the file is the source shifted:
        // the shifts of the last source copies are the next likely ones.
        for (std::size_t i = 0; i < recentCount_; ++i) {
            const int64_t from = static_cast<int64_t>(at) + recentShifts_[i];
            if (from < 0 || static_cast<std::size_t>(from) >= sourceSize) continue;
            const auto start = static_cast<std::size_t>(from);
            consider(best, kSourceCopy, start, EqualLength(source_.data() + start, here, std::min(sourceSize - start, left)),
                     0);
            if (best.length >= kLongMatch) return best;
        }
        if (at > 0 && here[-1] == here[0]) consider(best, kTargetCopy, at - 1, EqualLength(here - 1, here, left), 0);
        if (left < kWordBytes || (best.gain < kLeastGain && sameResumesSoon(at))) return best;

        const uint64_t word = Word(here);
        if (sourceSize >= kWordBytes) {
            if (sourceIndex_.empty()) buildSourceIndex();
            if (const uint32_t entry = sourceIndex_[Slot(word, sourceBits_)]; entry != 0) {
                const std::size_t from = entry - 1;
                if (Word(source_.data() + from) == word) {
                    considerSource(best, from, at, pending);
                    // A shift never seen before may be a repeat elsewhere in the file (a
                    // table, a font) rather than the true one, which lies near a recent
                    // shift: an insertion or a deletion moves the rest by its length.
                    if (best.length < kLongMatch && !isRecentShift(static_cast<int64_t>(from) - static_cast<int64_t>(at))) {
                        searchNearRecentShifts(best, word, at, pending);
                    }
                }
            }
        }
        if (!targetIndex_.empty()) {
            if (const uint32_t entry = targetIndex_[Slot(word, targetBits_)]; entry != 0) {
                const std::size_t from = entry - 1;
                if (from < at && Word(target_.data() + from) == word) {
                    const std::size_t length =
                        kWordBytes + EqualLength(target_.data() + from + kWordBytes, here + kWordBytes, left - kWordBytes);
                    const std::size_t back = EqualLengthBefore(target_.data() + from, here, std::min(from, pending));
                    consider(best, kTargetCopy, from, length, back);
                }
            }
        }
        return best;
    }

    // Bytes changed in place: the file goes on as the source a few bytes further on.
    // The changed bytes are then stored as they are, without looking them up.
    [[nodiscard]] bool sameResumesSoon(std::size_t at) const
    {
        constexpr std::size_t kAhead = 16;
        constexpr std::size_t kEqual = 8;
        const std::size_t end = std::min(source_.size(), target_.size());
        for (std::size_t next = at + 1; next <= at + kAhead && next + kEqual <= end; ++next) {
            if (std::memcmp(source_.data() + next, target_.data() + next, kEqual) == 0) return true;
        }
        return false;
    }

    void considerSource(Match& best, std::size_t from, std::size_t at, std::size_t pending) const
    {
        const uint8_t* here = target_.data() + at;
        const std::size_t left = target_.size() - at;
        const std::size_t length = kWordBytes + EqualLength(source_.data() + from + kWordBytes, here + kWordBytes,
                                                            std::min(source_.size() - from, left) - kWordBytes);
        const std::size_t back = EqualLengthBefore(source_.data() + from, here, std::min(from, pending));
        consider(best, kSourceCopy, from, length, back);
    }

    [[nodiscard]] bool isRecentShift(int64_t shift) const
    {
        return std::find(recentShifts_.begin(), recentShifts_.begin() + static_cast<std::ptrdiff_t>(recentCount_),
                         shift) != recentShifts_.begin() + static_cast<std::ptrdiff_t>(recentCount_);
    }

    void searchNearRecentShifts(Match& best, uint64_t word, std::size_t at, std::size_t pending) const
    {
        const auto sourceWords = static_cast<int64_t>(source_.size() - kWordBytes);
        for (std::size_t i = 0; i <= recentCount_; ++i) {
            // The same position (a source read's shift, 0) counts as the oldest recent one.
            const int64_t centre = static_cast<int64_t>(at) + (i < recentCount_ ? recentShifts_[i] : 0);
            const int64_t first = std::max<int64_t>(0, centre - kShiftWindow);
            const int64_t last = std::min(sourceWords, centre + kShiftWindow);
            for (int64_t from = first; from <= last; ++from) {
                if (Word(source_.data() + from) == word) considerSource(best, static_cast<std::size_t>(from), at, pending);
            }
        }
    }

    void rememberShift(int64_t shift)
    {
        const auto end = recentShifts_.begin() + static_cast<std::ptrdiff_t>(recentCount_);
        auto found = std::find(recentShifts_.begin(), end, shift);
        if (found == end) {
            if (recentCount_ < kRecentShifts) ++recentCount_;
            found = recentShifts_.begin() + static_cast<std::ptrdiff_t>(recentCount_) - 1;
        }
        std::rotate(recentShifts_.begin(), found, found + 1);
        recentShifts_[0] = shift;
    }

    void buildSourceIndex()
    {
        const std::size_t positions = (source_.size() - kWordBytes) / kSourceStep + 1;
        sourceBits_ = BitsFor(positions, 10, 28);
        sourceIndex_.assign(std::size_t{1} << sourceBits_, 0);
        for (std::size_t at = 0; at + kWordBytes <= source_.size(); at += kSourceStep) {
            sourceIndex_[Slot(Word(source_.data() + at), sourceBits_)] = static_cast<uint32_t>(at + 1);
        }
    }

    // A byte no match covered: it will be stored, and later repeats may copy it.
    void noteStored(std::size_t at)
    {
        if (at + kWordBytes > target_.size()) return;
        if (targetIndex_.empty()) {
            targetBits_ = BitsFor(target_.size() / kWordBytes, 10, kLargestTargetIndexBits);
            targetIndex_.assign(std::size_t{1} << targetBits_, 0);
        }
        targetIndex_[Slot(Word(target_.data() + at), targetBits_)] = static_cast<uint32_t>(at + 1);
    }

    void storeUpTo(std::size_t end)
    {
        if (end <= stored_) return;
        const std::size_t length = end - stored_;
        PutPatchNumber(out_, ((length - 1) << 2) | kTargetRead);
        out_.insert(out_.end(), target_.begin() + static_cast<std::ptrdiff_t>(stored_),
                    target_.begin() + static_cast<std::ptrdiff_t>(end));
        stored_ = end;
    }

    void emit(const Match& match, std::size_t start)
    {
        const std::size_t total = match.length + match.back;
        PutPatchNumber(out_, ((total - 1) << 2) | match.action);
        const auto from = static_cast<int64_t>(match.from - match.back);
        if (match.action == kSourceCopy) {
            PutSignedPatchNumber(out_, from - sourceCursor_);
            sourceCursor_ = from + static_cast<int64_t>(total);
            rememberShift(from - static_cast<int64_t>(start));
        } else if (match.action == kTargetCopy) {
            PutSignedPatchNumber(out_, from - targetCursor_);
            targetCursor_ = from + static_cast<int64_t>(total);
        }
    }

    std::span<const uint8_t> source_;
    std::span<const uint8_t> target_;
    std::vector<uint8_t>& out_;
    std::size_t stored_ = 0;  // the target up to here is described by the patch
    int64_t sourceCursor_ = 0;
    int64_t targetCursor_ = 0;
    // Source position minus target position of the latest source copies, newest first.
    std::array<int64_t, kRecentShifts> recentShifts_{};
    std::size_t recentCount_ = 0;
    std::vector<uint32_t> sourceIndex_;  // position + 1 of a source word, by its slot; 0 = none
    std::vector<uint32_t> targetIndex_;
    int sourceBits_ = 0;
    int targetBits_ = 0;
};

void PutLittleEndian32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

BpsCreation CreateBps(std::span<const uint8_t> source, std::span<const uint8_t> target,
                      std::span<const uint8_t> metadata, const BpsProgress& progress)
{
    BpsCreation made;
    if (source.size() > INT32_MAX || target.size() > INT32_MAX) {
        made.error = BpsError::TooLarge;
        return made;
    }
    try {
        std::vector<uint8_t>& out = made.patch;
        out.reserve(4096 + metadata.size());
        for (const char letter : {'B', 'P', 'S', '1'}) out.push_back(static_cast<uint8_t>(letter));
        PutPatchNumber(out, source.size());
        PutPatchNumber(out, target.size());
        PutPatchNumber(out, metadata.size());
        out.insert(out.end(), metadata.begin(), metadata.end());
        Encoder(source, target, out).run(progress);
        PutLittleEndian32(out, Crc32(source));
        PutLittleEndian32(out, Crc32(target));
        PutLittleEndian32(out, Crc32(out));
    } catch (const std::bad_alloc&) {
        made.patch.clear();
        made.patch.shrink_to_fit();
        made.error = BpsError::OutOfMemory;
    }
    return made;
}

}  // namespace zarvo
