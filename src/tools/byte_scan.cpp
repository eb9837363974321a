#include "tools/byte_scan.h"

#include <bit>
#include <cstring>

namespace zarvo {

namespace {

constexpr std::size_t kWord = sizeof(uint64_t);
constexpr uint64_t kLowBits = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

uint64_t LoadWord(const uint8_t* at)
{
    uint64_t word = 0;
    std::memcpy(&word, at, kWord);
    return word;
}

// Index of the first byte in memory order that is marked in a word of byte flags.
std::size_t FirstMarkedByte(uint64_t marks)
{
    if constexpr (kLittleEndian) {
        return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
    } else {
        return static_cast<std::size_t>(std::countl_zero(marks)) / 8;
    }
}

}  // namespace

std::size_t NextDifference(const uint8_t* a, const uint8_t* b, std::size_t from, std::size_t end)
{
    std::size_t at = from;
    // Four words per step keep the loads busy; most of a ROM pair is equal.
    while (end - at >= 4 * kWord) {
        const uint64_t x0 = LoadWord(a + at) ^ LoadWord(b + at);
        const uint64_t x1 = LoadWord(a + at + kWord) ^ LoadWord(b + at + kWord);
        const uint64_t x2 = LoadWord(a + at + 2 * kWord) ^ LoadWord(b + at + 2 * kWord);
        const uint64_t x3 = LoadWord(a + at + 3 * kWord) ^ LoadWord(b + at + 3 * kWord);
        if ((x0 | x1 | x2 | x3) != 0) break;
        at += 4 * kWord;
    }
    while (end - at >= kWord) {
        const uint64_t differing = LoadWord(a + at) ^ LoadWord(b + at);
        if (differing != 0) return at + FirstMarkedByte(differing);
        at += kWord;
    }
    while (at < end && a[at] == b[at]) ++at;
    return at;
}

std::size_t NextAgreement(const uint8_t* a, const uint8_t* b, std::size_t from, std::size_t end)
{
    std::size_t at = from;
    if constexpr (kLittleEndian) {
        while (end - at >= kWord) {
            const uint64_t differing = LoadWord(a + at) ^ LoadWord(b + at);
            // A zero byte of `differing` is a position where both agree. The lowest
            // flag of this test is exact; flags above it may be false, and are unused.
            const uint64_t zeroBytes = (differing - kLowBits) & ~differing & kHighBits;
            if (zeroBytes != 0) return at + FirstMarkedByte(zeroBytes);
            at += kWord;
        }
    }
    while (at < end && a[at] != b[at]) ++at;
    return at;
}

}  // namespace zarvo
