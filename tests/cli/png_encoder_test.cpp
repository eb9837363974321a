// The tool's PNG writer chooses each row's filter itself; the pictures must stay the
// bytes libspng writes when it chooses among all five filters on its own.

#include "cli/png_encoder.h"

#include "cli/png_row_filter.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <spng.h>
#include <zlib.h>

namespace zarvo {
namespace {

using Bytes = std::vector<uint8_t>;

// A tile sheet's sixteen colours (0xRRGGBB).
constexpr uint32_t kColours[16] = {0x000000, 0xF8F8F8, 0x3050A0, 0xE07028, 0x58C858, 0xA82010, 0x8890F8, 0xF8D870,
                                   0x404040, 0x9C4A00, 0x00A8A8, 0xD8A0F0, 0x206020, 0xB0B0B0, 0x7000C0, 0x605030};

uint32_t Grey(int value) { return static_cast<uint8_t>(value) * 0x010101u; }

// The writer's stream options, with libspng's own filter choice.
Bytes EncodedByLibspng(const Bytes& rgb, uint32_t width, uint32_t height)
{
    const std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> context(spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    spng_ctx* png = context.get();
    for (const auto& [option, value] : {std::pair{SPNG_ENCODE_TO_BUFFER, 1},
                                        {SPNG_IMG_COMPRESSION_LEVEL, 1},
                                        {SPNG_IMG_WINDOW_BITS, 15},
                                        {SPNG_IMG_MEM_LEVEL, 8},
                                        {SPNG_IMG_COMPRESSION_STRATEGY, Z_FILTERED},
                                        {SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_ALL}}) {
        spng_set_option(png, option, value);
    }
    spng_ihdr header{width, height, 8, SPNG_COLOR_TYPE_TRUECOLOR, 0, 0, 0};
    spng_phys resolution{3937, 3937, 1};
    spng_set_ihdr(png, &header);
    spng_set_phys(png, &resolution);
    spng_encode_image(png, rgb.data(), rgb.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    std::size_t size = 0;
    int error = 0;
    void* bytes = spng_get_png_buffer(png, &size, &error);
    Bytes encoded(static_cast<uint8_t*>(bytes), static_cast<uint8_t*>(bytes) + size);
    free(bytes);
    return encoded;
}

TEST(PngEncoder, RowsGetTheFiltersLibspngWouldChoose)
{
    std::mt19937 random(7);
    const struct {
        const char* picture;
        uint32_t width, height;
        uint32_t (*colour)(uint32_t x, uint32_t y, std::mt19937& random);  // 0xRRGGBB
    } cases[] = {
        {"noise", 128, 128, [](uint32_t, uint32_t, std::mt19937& r) { return static_cast<uint32_t>(r() & 0xFFFFFF); }},
        {"few colours", 128, 64,
         [](uint32_t, uint32_t, std::mt19937& r) { return Grey(static_cast<int>(r() % 4 * 85)); }},
        {"across", 128, 16, [](uint32_t x, uint32_t, std::mt19937&) { return Grey(static_cast<int>(x * 3)); }},
        {"down", 40, 100, [](uint32_t, uint32_t y, std::mt19937&) { return Grey(static_cast<int>(y * 5)); }},
        {"diagonal", 77, 33,
         [](uint32_t x, uint32_t y, std::mt19937&) { return Grey(static_cast<int>(x * 7 + y * 11)); }},
        // Sixteen colours, as on a tile sheet: Paeth's distances sometimes tie.
        {"sixteen colours", 128, 128, [](uint32_t, uint32_t, std::mt19937& r) { return kColours[r() % 16]; }},
        {"flat", 128, 128, [](uint32_t, uint32_t, std::mt19937&) { return 0x42A0FFu; }},
        {"one pixel", 1, 1, [](uint32_t, uint32_t, std::mt19937&) { return 0x808080u; }},
        {"one column", 1, 50, [](uint32_t, uint32_t y, std::mt19937&) { return Grey(static_cast<int>(y * y)); }},
    };
    for (const auto& c : cases) {
        Bytes rgb;
        for (uint32_t y = 0; y < c.height; ++y) {
            for (uint32_t x = 0; x < c.width; ++x) {
                const uint32_t colour = c.colour(x, y, random);
                rgb.insert(rgb.end(), {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                       static_cast<uint8_t>(colour)});
            }
        }
        std::string error;
        EXPECT_EQ(cli::EncodeRgbPng(rgb, c.width, c.height, error), EncodedByLibspng(rgb, c.width, c.height))
            << c.picture;
    }
}

// Rows made so that one filter predicts every byte exactly: that filter wins; when
// filters tie, the first of them does.
TEST(LeastSumFilter, ChoosesTheFilterLeavingTheLeastSum)
{
    constexpr unsigned kPixel = 3;
    std::mt19937 random(3);
    Bytes above(48);
    for (auto& byte : above) byte = static_cast<uint8_t>(random());
    const auto made = [&](auto predict) {
        Bytes row(above.size());
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int left = i < kPixel ? 0 : row[i - kPixel];
            const int aboveLeft = i < kPixel ? 0 : above[i - kPixel];
            row[i] = static_cast<uint8_t>(predict(left, above[i], aboveLeft) + (i < kPixel ? 9 : 0));
        }
        return row;
    };
    const auto paeth = [](int a, int b, int c) {
        const int p = a + b - c;
        return std::abs(p - a) <= std::abs(p - b) && std::abs(p - a) <= std::abs(p - c) ? a
               : std::abs(p - b) <= std::abs(p - c)                                     ? b
                                                                                        : c;
    };
    const struct {
        Bytes row;
        cli::PngFilter expected;
    } cases[] = {
        {Bytes(48, 0), cli::PngFilter::None},  // ties with Sub
        {made([](int a, int, int) { return a; }), cli::PngFilter::Sub},
        {made([](int, int b, int) { return b; }), cli::PngFilter::Up},
        {made([](int a, int b, int) { return (a + b) / 2; }), cli::PngFilter::Average},
        {made(paeth), cli::PngFilter::Paeth},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli::LeastSumFilter(c.row, above, kPixel), c.expected) << static_cast<int>(c.expected);
    }
}

}  // namespace
}  // namespace zarvo
