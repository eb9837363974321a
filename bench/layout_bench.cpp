// Laying out a full page of the hex/text view (64 rows of 32 bytes) over a 16 MiB image,
// and building the status bar texts.

#include "core/table.h"
#include "view/colour_table.h"
#include "view/row_layout.h"
#include "view/status_text.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zarvo;

constexpr int32_t kImageBytes = 16 * 1024 * 1024;
constexpr int kPageRows = 64;
constexpr int32_t kRowBytes = 32;
constexpr int32_t kPageBytes = kPageRows * kRowBytes;

// A fixed-pitch font: the layout's own cost, not a font's.
class FixedPitch : public TextMeasure {
public:
    [[nodiscard]] int width(std::string_view text, bool unicode) const override
    {
        return static_cast<int>(text.size()) * (unicode ? 16 : 8);
    }
};

std::vector<uint8_t> RandomImage()
{
    std::vector<uint8_t> image(kImageBytes);
    std::mt19937 random(1234);
    for (uint8_t& byte : image) {
        byte = static_cast<uint8_t>(random());
    }
    return image;
}

// Every byte and every pair has an entry; pair texts are one to eight characters long.
TableData FullTable()
{
    TableData table;
    for (int byte = 0; byte < 256; ++byte) {
        table.singleText[byte] = std::string(1, static_cast<char>('A' + byte % 26));
    }
    for (int key = 0; key < 65536; ++key) {
        PairSlot(table, static_cast<uint16_t>(key)) = std::string(1 + key % 8, static_cast<char>('a' + key % 26));
    }
    table.lineCode = 0xFE;
    table.lineMark = '/';
    return table;
}

// Only single-byte entries: every column is a cell of its own.
TableData SinglesTable()
{
    TableData table;
    for (int byte = 0; byte < 256; ++byte) {
        table.singleText[byte] = std::string(1 + byte % 3, static_cast<char>('A' + byte % 26));
    }
    return table;
}

void LayOutPages(benchmark::State& state, const TableData& table, bool unicodeView)
{
    const std::vector<uint8_t> image = RandomImage();
    const ColorTable colours = LoadColors();
    const FixedPitch measure;
    RowRequest request;
    request.data = image.data();
    request.limit = kImageBytes;
    request.bytesPerRow = kRowBytes;
    request.unicodeView = unicodeView;
    request.cursorRow = 5;
    request.cursorColumn = 7;
    request.clientWidth = 1600;
    RowLayout layout;
    int32_t top = 0;
    for (auto _ : state) {
        for (int row = 0; row < kPageRows; ++row) {
            request.row = row;
            request.rowOffset = top + row * kRowBytes;
            LayOutRow(request, table, colours, measure, layout);
            benchmark::DoNotOptimize(layout.cells.data());
        }
        top = (top + 7 * kPageBytes + 13) % (kImageBytes - kPageBytes);
    }
    state.SetBytesProcessed(state.iterations() * kPageBytes);
}

void BM_PageWithFullTable(benchmark::State& state) { LayOutPages(state, FullTable(), false); }
BENCHMARK(BM_PageWithFullTable)->Unit(benchmark::kMicrosecond);

void BM_PageWithFullTableUnicode(benchmark::State& state) { LayOutPages(state, FullTable(), true); }
BENCHMARK(BM_PageWithFullTableUnicode)->Unit(benchmark::kMicrosecond);

void BM_PageWithSinglesOnly(benchmark::State& state) { LayOutPages(state, SinglesTable(), false); }
BENCHMARK(BM_PageWithSinglesOnly)->Unit(benchmark::kMicrosecond);

void BM_StatusTexts(benchmark::State& state)
{
    int32_t offset = 0;
    for (auto _ : state) {
        auto texts = StatusTexts(static_cast<uint8_t>(offset), offset);
        benchmark::DoNotOptimize(texts);
        offset = (offset + 4099) & 0xFFFFFF;
    }
    state.SetBytesProcessed(state.iterations());
}
BENCHMARK(BM_StatusTexts);

}  // namespace

BENCHMARK_MAIN();
