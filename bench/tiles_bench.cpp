// The tile sheet on a 16 MiB image: a full decode in every format, the one-strip-row
// scroll, painting through the palette, a put down of one 8 x 8 region, and the
// whole-sheet encode and colour matching of tiles-import.

#include "core/document.h"
#include "core/tile_session.h"
#include "tiles/rgb565.h"
#include "tiles/sheet_colours.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_paint.h"
#include "tiles/sheet_pointer.h"
#include "tiles/sheet_write.h"
#include "tiles/tile_format.h"
#include "tiles/tile_keys.h"
#include "tiles/tile_palette.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kImageSize = 16 << 20;
constexpr int32_t kSheetOffset = 0x400000;

zarvo::DocRecord RandomDocument(int32_t format)
{
    zarvo::DocRecord doc;
    doc.storage = zarvo::DocumentBytes::Owned(kImageSize);
    std::mt19937_64 random(1);
    for (std::size_t i = 0; i + 8 <= kImageSize; i += 8) {
        const uint64_t word = random();
        for (int b = 0; b < 8; ++b)
            doc.storage.data()[i + static_cast<std::size_t>(b)] = static_cast<uint8_t>(word >> (8 * b));
    }
    doc.fileSize = doc.viewSize = static_cast<int32_t>(kImageSize);
    zarvo::SelectTileFormat(doc.tileView, format);
    doc.topOffset = kSheetOffset;
    return doc;
}

// Bytes the shown strips read.
int64_t SheetBytesRead(const zarvo::DocRecord& doc)
{
    const zarvo::SheetLayout layout = zarvo::SheetLayoutOf(doc);
    return int64_t{zarvo::StripRowCount(layout.stripHeight)} * zarvo::StripRowBytes(layout);
}

void FullSheetDecode(benchmark::State& state)
{
    const auto format = static_cast<int32_t>(state.range(0));
    zarvo::DocRecord doc = RandomDocument(format);
    doc.tileView.stripHeight = static_cast<int32_t>(state.range(1));
    zarvo::TileSession tiles;
    for (auto _ : state) {
        zarvo::RedrawSheet(tiles, doc, zarvo::SheetRedraw::Full);
        benchmark::DoNotOptimize(tiles.sheet.data());
    }
    state.SetLabel(zarvo::TileFormatOf(format).statusName);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * SheetBytesRead(doc));
}
BENCHMARK(FullSheetDecode)->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {8, 12}})->Unit(benchmark::kMicrosecond);

// Down and Up in turn: each shifts the image and decodes one strip row.
void OneStripRowScroll(benchmark::State& state)
{
    zarvo::DocRecord doc = RandomDocument(static_cast<int32_t>(state.range(0)));
    zarvo::TileSession tiles;
    zarvo::RedrawSheet(tiles, doc, zarvo::SheetRedraw::Full);
    bool down = true;
    for (auto _ : state) {
        zarvo::ApplyTileKey(tiles, doc, {down ? zarvo::TileKey::Down : zarvo::TileKey::Up});
        down = !down;
        benchmark::DoNotOptimize(tiles.sheet.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * zarvo::StripRowBytes(zarvo::SheetLayoutOf(doc)));
}
BENCHMARK(OneStripRowScroll)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void PaintSheetWithGrid(benchmark::State& state)
{
    zarvo::DocRecord doc = RandomDocument(4);
    zarvo::TileSession tiles;
    tiles.gridShown = true;
    tiles.colourShift = 5;
    zarvo::RedrawSheet(tiles, doc, zarvo::SheetRedraw::Full);
    zarvo::SheetBitmap bitmap{};
    for (auto _ : state) {
        zarvo::PaintSheet(tiles, doc, bitmap);
        benchmark::DoNotOptimize(bitmap.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(sizeof bitmap));
}
BENCHMARK(PaintSheetWithGrid)->Unit(benchmark::kMicrosecond);

// A right click in grid mode with the 1 x 1 cursor: one strip re-encoded.
void PutDownOneCell(benchmark::State& state)
{
    zarvo::DocRecord doc = RandomDocument(static_cast<int32_t>(state.range(0)));
    zarvo::TileSession tiles;
    zarvo::RedrawSheet(tiles, doc, zarvo::SheetRedraw::Full);
    const zarvo::SheetPoint point{40, 24, 5, 3};
    int32_t strips = 0;
    for (auto _ : state) {
        strips = zarvo::PutDown(tiles, doc, point);
        benchmark::DoNotOptimize(doc.data());
    }
    state.counters["strips_encoded"] = strips;
    const zarvo::SheetLayout layout = zarvo::SheetLayoutOf(doc);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * zarvo::StripBytes(layout));
}
BENCHMARK(PutDownOneCell)->Arg(0)->Arg(4)->Unit(benchmark::kMicrosecond);

// tiles-import's own work: colours to indexes, then every shown strip encoded.
void ImportWholeSheet(benchmark::State& state)
{
    zarvo::DocRecord doc = RandomDocument(static_cast<int32_t>(state.range(0)));
    zarvo::TileSession tiles;
    zarvo::RedrawSheet(tiles, doc, zarvo::SheetRedraw::Full);
    zarvo::SheetBitmap bitmap{};
    zarvo::PaintSheet(tiles, doc, bitmap);
    std::vector<uint32_t> picture(bitmap.size());
    for (std::size_t i = 0; i < bitmap.size(); ++i) picture[i] = 0xFF000000u | zarvo::Rgb565ToRgb888(bitmap[i]);
    const zarvo::TileFormat& format = zarvo::TileFormatOf(doc.tileView.format);
    zarvo::SheetIndexes indexes{};
    for (auto _ : state) {
        const zarvo::SheetColourMatch match(zarvo::StandardPalette(), 0, format.highestIndex);
        const auto bad = zarvo::MatchSheetColours(
            std::span<const uint32_t, zarvo::kSheetSide * zarvo::kSheetSide>(picture.data(), picture.size()), match,
            indexes);
        benchmark::DoNotOptimize(bad);
        zarvo::WriteSheet(doc, zarvo::SheetLayoutOf(doc), indexes.data());
        benchmark::DoNotOptimize(doc.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * SheetBytesRead(doc));
}
BENCHMARK(ImportWholeSheet)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
