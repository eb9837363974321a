#include "cli/png_encoder.h"

#include "cli/png_row_filter.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <spng.h>
#include <utility>
#include <zlib.h>

namespace zarvo::cli {

namespace {

// 100 dots per inch: the resolution the tool's sheets have always carried.
constexpr uint32_t kPixelsPerMetre = 3937;
// zlib's fastest level: sheets of tiles still shrink to a fraction, noise costs little time.
constexpr int kCompressionLevel = 1;
constexpr int kWindowBits = 15;
constexpr int kMemoryLevel = 8;

struct ContextRelease {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using Context = std::unique_ptr<spng_ctx, ContextRelease>;

struct BufferRelease {
    void operator()(void* bytes) const { std::free(bytes); }
};

enum class RowFilters { None, LeastSum };

constexpr int FilterChoiceOf(PngFilter filter) { return SPNG_FILTER_CHOICE_NONE << static_cast<int>(filter); }

// Hands libspng the rows one by one, each with its filter chosen here when filters
// is LeastSum: the same bytes libspng writes when it chooses among all five itself.
int EncodeRows(spng_ctx* png, std::span<const uint8_t> rows, std::size_t rowBytes, unsigned bytesPerPixel,
               RowFilters filters)
{
    const std::vector<uint8_t> zeros(rowBytes);
    std::span<const uint8_t> previous(zeros);
    int code = 0;
    for (std::size_t start = 0; code == 0 && start < rows.size(); start += rowBytes) {
        const std::span<const uint8_t> row = rows.subspan(start, rowBytes);
        if (filters == RowFilters::LeastSum) {
            code =
                spng_set_option(png, SPNG_FILTER_CHOICE, FilterChoiceOf(LeastSumFilter(row, previous, bytesPerPixel)));
        }
        if (code == 0) code = spng_encode_row(png, row.data(), row.size());
        previous = row;
    }
    // The last row ends the image, and libspng says so.
    return code == SPNG_EOI ? 0 : code;
}

// Encodes rows (the PNG's own layout, no filter bytes) with the stream options above.
std::optional<std::vector<uint8_t>> Encode(spng_ihdr header, spng_plte* palette, std::span<const uint8_t> rows,
                                           unsigned bytesPerPixel, RowFilters filters, std::string& error)
{
    const Context context(spng_ctx_new(SPNG_CTX_ENCODER));
    int code = context ? 0 : SPNG_EMEM;
    spng_ctx* png = context.get();
    // Each option set by hand, so that libspng does not choose others for the picture.
    const bool filtered = filters != RowFilters::None;
    const std::pair<spng_option, int> options[] = {
        {SPNG_ENCODE_TO_BUFFER, 1},
        {SPNG_IMG_COMPRESSION_LEVEL, kCompressionLevel},
        {SPNG_IMG_WINDOW_BITS, kWindowBits},
        {SPNG_IMG_MEM_LEVEL, kMemoryLevel},
        {SPNG_IMG_COMPRESSION_STRATEGY, filtered ? Z_FILTERED : Z_DEFAULT_STRATEGY},
        {SPNG_FILTER_CHOICE, filtered ? SPNG_FILTER_CHOICE_ALL : SPNG_FILTER_CHOICE_NONE},
    };
    for (const auto& [option, value] : options) {
        if (code == 0) code = spng_set_option(png, option, value);
    }
    spng_phys resolution{kPixelsPerMetre, kPixelsPerMetre, 1};
    if (code == 0) code = spng_set_ihdr(png, &header);
    if (code == 0 && palette != nullptr) code = spng_set_plte(png, palette);
    if (code == 0) code = spng_set_phys(png, &resolution);
    const std::size_t rowBytes = std::size_t{header.width} * bytesPerPixel;
    if (code == 0 && rows.size() != rowBytes * header.height) code = SPNG_EBUFSIZ;
    if (code == 0)
        code = spng_encode_image(png, nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
    if (code == 0) code = EncodeRows(png, rows, rowBytes, bytesPerPixel, filters);
    std::size_t size = 0;
    const std::unique_ptr<void, BufferRelease> bytes(code == 0 ? spng_get_png_buffer(png, &size, &code) : nullptr);
    if (!bytes) {
        error = std::string("cannot make the PNG image: ") + spng_strerror(code);
        return std::nullopt;
    }
    const auto* first = static_cast<const uint8_t*>(bytes.get());
    return std::vector<uint8_t>(first, first + size);
}

spng_ihdr Header(uint32_t width, uint32_t height, uint8_t colourType)
{
    spng_ihdr header{};
    header.width = width;
    header.height = height;
    header.bit_depth = 8;
    header.color_type = colourType;
    return header;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeRgbPng(std::span<const uint8_t> rgb, uint32_t width, uint32_t height,
                                                 std::string& error)
{
    return Encode(Header(width, height, SPNG_COLOR_TYPE_TRUECOLOR), nullptr, rgb, 3, RowFilters::LeastSum, error);
}

std::optional<std::vector<uint8_t>> EncodeIndexedPng(std::span<const uint8_t> indexes,
                                                     std::span<const uint32_t> palette, uint32_t width, uint32_t height,
                                                     std::string& error)
{
    spng_plte entries{};
    entries.n_entries = static_cast<uint32_t>(std::min<std::size_t>(palette.size(), 256));
    for (uint32_t entry = 0; entry < entries.n_entries; ++entry) {
        const uint32_t colour = palette[entry];
        entries.entries[entry] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                  static_cast<uint8_t>(colour), 0xFF};
    }
    // Rows of palette indexes gain nothing from filters; PNG advises none for them.
    return Encode(Header(width, height, SPNG_COLOR_TYPE_INDEXED), &entries, indexes, 1, RowFilters::None, error);
}

}  // namespace zarvo::cli
