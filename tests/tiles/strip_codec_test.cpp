#include "tiles/strip_codec.h"

#include "support/tile_model.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <vector>

namespace zarvo {
namespace {

using testing::BytesOf;
using testing::kModelHighestIndex;
using testing::ModelPixel;
using testing::RandomBytes;

constexpr int kHeights[] = {1, 5, 8, 9, 12, 16, 20, 24, 31, 32};

std::vector<uint8_t> Decoded(const std::vector<uint8_t>& bytes, int format, int height)
{
    std::vector<uint8_t> pixels(static_cast<std::size_t>(8 * height), 0xEE);
    DecodeStrip(bytes.data(), format, height, pixels.data(), 8);
    return pixels;
}

// The addresses the model reads for a strip, found by setting each byte in turn.
std::set<int> BytesRead(int format, int height)
{
    std::set<int> read;
    for (int address = 0; address < kMaxStripExtent + 64; ++address) {
        std::vector<uint8_t> one(kMaxStripExtent + 64, 0);
        one[static_cast<std::size_t>(address)] = 0xFF;
        for (int r = 0; r < height && !read.count(address); ++r) {
            for (int x = 0; x < 8; ++x) {
                if (ModelPixel(BytesOf(one), 0, format, r, x) != 0) read.insert(address);
            }
        }
    }
    return read;
}

TEST(StripCodec, WorkedExamples)
{
    const struct {
        int format;
        std::vector<uint8_t> bytes;  // from n on
        int row;
        std::vector<uint8_t> pixels;  // of that row
    } cases[] = {
        {0, {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
        {0, {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}, 1, {0, 0, 0, 0, 0, 0, 0, 0}},
        {0, {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}, 6, {1, 1, 1, 1, 1, 1, 1, 1}},
        {2, {0x80, 0x80}, 0, {3, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0x80, 0x00}, 0, {1, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0x00, 0x80}, 0, {2, 0, 0, 0, 0, 0, 0, 0}},
        {7, {0x21}, 0, {1, 2, 0, 0, 0, 0, 0, 0}},
        {8, {0x21}, 0, {2, 1, 0, 0, 0, 0, 0, 0}},
        {1, {0x01, 0, 0, 0, 0, 0, 0, 0, 0x01}, 0, {0, 0, 0, 0, 0, 0, 0, 3}},  // plane 1 eight bytes on
        {5, {0, 0, 0, 0, 0, 0, 0, 0, 0xC8, 7}, 1, {0xC8, 7, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        auto bytes = c.bytes;
        bytes.resize(kMaxStripExtent, 0);
        const auto pixels = Decoded(bytes, c.format, 8);
        const std::vector<uint8_t> row(pixels.begin() + 8 * c.row, pixels.begin() + 8 * c.row + 8);
        EXPECT_EQ(row, c.pixels) << "format " << c.format << " row " << c.row;
    }
    // Format 9: plane 2 of row 5 is byte n+21.
    std::vector<uint8_t> bytes(kMaxStripExtent, 0);
    bytes[21] = 0x80;
    EXPECT_EQ(Decoded(bytes, 9, 8)[5 * 8], 4);
}

TEST(StripCodec, DecodesEveryFormatAndHeightAsTheModelReadsIt)
{
    for (int format = 0; format < 10; ++format) {
        for (const int height : kHeights) {
            const auto bytes = RandomBytes(kMaxStripExtent, static_cast<unsigned>(format * 100 + height));
            const auto pixels = Decoded(bytes, format, height);
            for (int r = 0; r < height; ++r) {
                for (int x = 0; x < 8; ++x) {
                    ASSERT_EQ(pixels[static_cast<std::size_t>(8 * r + x)], ModelPixel(BytesOf(bytes), 0, format, r, x))
                        << "format " << format << " height " << height << " row " << r << " pixel " << x;
                }
            }
        }
    }
}

TEST(StripCodec, ExtentEndsAtTheLastByteRead)
{
    for (int format = 0; format < 10; ++format) {
        for (const int height : kHeights) {
            EXPECT_EQ(StripExtent(format, height), *BytesRead(format, height).rbegin() + 1)
                << "format " << format << " height " << height;
        }
    }
}

TEST(StripCodec, EncodeThenDecodeGivesTheStripBack)
{
    std::mt19937 random(7);
    for (int format = 0; format < 10; ++format) {
        for (const int height : {8, 16}) {
            for (int round = 0; round < 50; ++round) {
                std::vector<uint8_t> pixels(static_cast<std::size_t>(8 * height));
                for (auto& pixel : pixels) pixel = static_cast<uint8_t>(random());
                std::vector<uint8_t> bytes(kMaxStripExtent, 0);
                EncodeStrip(pixels.data(), 8, format, height, bytes.data());
                const auto decoded = Decoded(bytes, format, height);
                for (std::size_t i = 0; i < pixels.size(); ++i) {
                    // Bits above the format's depth are dropped.
                    ASSERT_EQ(decoded[i], pixels[i] & kModelHighestIndex[format])
                        << "format " << format << " height " << height << " pixel " << i;
                }
            }
        }
    }
}

TEST(StripCodec, DecodeThenEncodeWritesExactlyTheBytesRead)
{
    for (int format = 0; format < 10; ++format) {
        for (const int height : kHeights) {
            const auto read = BytesRead(format, height);
            const auto bytes = RandomBytes(kMaxStripExtent, static_cast<unsigned>(format * 31 + height));
            const auto pixels = Decoded(bytes, format, height);
            for (const uint8_t sentinel : {0x00, 0xA5}) {
                std::vector<uint8_t> written(kMaxStripExtent, sentinel);
                EncodeStrip(pixels.data(), 8, format, height, written.data());
                for (int address = 0; address < kMaxStripExtent; ++address) {
                    const auto at = static_cast<std::size_t>(address);
                    ASSERT_EQ(written[at], read.count(address) ? bytes[at] : sentinel)
                        << "format " << format << " height " << height << " byte " << address;
                }
            }
        }
    }
}

TEST(StripCodec, EncodingFewerRowsLeavesTheOtherRowsBytes)
{
    for (int format = 0; format < 10; ++format) {
        const auto bytes = RandomBytes(kMaxStripExtent, static_cast<unsigned>(format + 5));
        const std::vector<uint8_t> ones(8 * 12, 1);
        auto written = bytes;
        EncodeStrip(ones.data(), 8, format, 8, written.data());  // rows 0..7 of a strip of 12
        const auto pixels = Decoded(written, format, 12);
        const auto before = Decoded(bytes, format, 12);
        for (int i = 0; i < 8 * 12; ++i) {
            const auto at = static_cast<std::size_t>(i);
            ASSERT_EQ(pixels[at], i < 64 ? 1 : before[at]) << "format " << format << " pixel " << i;
        }
    }
}

}  // namespace
}  // namespace zarvo
