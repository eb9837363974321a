#include "tiles/strip_codec.h"

#include "support/tile_model.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <vector>

namespace zarvo {
namespace {

using testing::BytesOf;
using testing::ModelPixel;
using testing::RandomBytes;

constexpr int kHeights[] = {1, 5, 8, 9, 12, 16, 20, 24, 31, 32};

std::vector<uint8_t> Decoded(const std::vector<uint8_t>& bytes, int format, int height)
{
    std::vector<uint8_t> pixels(static_cast<std::size_t>(8 * height), 0xEE);
    DecodeStrip(bytes.data(), format, height, pixels.data(), 8);
    return pixels;
}

// The bytes the model reads for a strip, found by setting each byte in turn.
std::set<int> BytesRead(int format, int height)
{
    std::set<int> read;
    for (int address = 0; address < kMaxStripExtent + 64; ++address) {
        std::vector<uint8_t> one(kMaxStripExtent + 64, 0);
        one[static_cast<std::size_t>(address)] = 0xFF;
        for (int pixel = 0; pixel < 8 * height && !read.count(address); ++pixel) {
            if (ModelPixel(BytesOf(one), 0, format, pixel / 8, pixel % 8) != 0) read.insert(address);
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
        {0, {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}, 3, {0, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0x80, 0x80}, 0, {3, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0x80, 0x00}, 0, {1, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0x00, 0x80}, 0, {2, 0, 0, 0, 0, 0, 0, 0}},
        {7, {0x21}, 0, {1, 2, 0, 0, 0, 0, 0, 0}},
        {8, {0x21}, 0, {2, 1, 0, 0, 0, 0, 0, 0}},
        {9, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}, 5, {4, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        auto bytes = c.bytes;
        bytes.resize(kMaxStripExtent, 0);
        const auto pixels = Decoded(bytes, c.format, 8);
        EXPECT_EQ(std::vector<uint8_t>(pixels.begin() + 8 * c.row, pixels.begin() + 8 * c.row + 8), c.pixels)
            << "format " << c.format << " row " << c.row;
    }
}

TEST(StripCodec, EncodeThenDecodeGivesTheStripBackWithoutTheBitsAboveTheDepth)
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
                    ASSERT_EQ(decoded[i], pixels[i] & testing::kModelHighestIndex[format]) << format << " " << i;
                }
            }
        }
    }
}

// Every format and height decodes as the model reads it, and encoding the pixels back
// writes exactly the bytes the model reads.
TEST(StripCodec, DecodesAsTheModelAndEncodesBackExactlyTheBytesRead)
{
    for (int format = 0; format < 10; ++format) {
        for (const int height : kHeights) {
            const auto read = BytesRead(format, height);
            EXPECT_EQ(StripExtent(format, height), *read.rbegin() + 1) << format << " " << height;
            const auto bytes = RandomBytes(kMaxStripExtent, static_cast<unsigned>(format * 100 + height));
            const auto pixels = Decoded(bytes, format, height);
            for (int i = 0; i < 8 * height; ++i) {
                ASSERT_EQ(pixels[static_cast<std::size_t>(i)], ModelPixel(BytesOf(bytes), 0, format, i / 8, i % 8))
                    << "format " << format << " height " << height << " pixel " << i;
            }
            for (const uint8_t untouched : {0x00, 0xA5}) {
                std::vector<uint8_t> written(kMaxStripExtent, untouched);
                EncodeStrip(pixels.data(), 8, format, height, written.data());
                for (int at = 0; at < kMaxStripExtent; ++at) {
                    ASSERT_EQ(written[static_cast<std::size_t>(at)],
                              read.count(at) ? bytes[static_cast<std::size_t>(at)] : untouched)
                        << "format " << format << " height " << height << " byte " << at;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zarvo
