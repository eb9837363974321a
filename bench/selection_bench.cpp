// Copy and paste of a 16 MiB selection: the hexadecimal and table texts a copy makes,
// reading them back (and a megabyte of table text), and writing the bytes over a
// document as one undo step.

#include "core/cp932.h"
#include "core/document.h"
#include "core/session.h"
#include "view/paste.h"
#include "view/selection_copy.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zarvo;

constexpr int32_t kSelectedBytes = 16 * 1024 * 1024;

// A document of random bytes whose table gives every byte a one- to three-character text.
DocRecord RandomDocument()
{
    DocRecord doc;
    doc.storage = DocumentBytes::Owned(kSelectedBytes);
    doc.viewSize = kSelectedBytes;
    doc.fileSize = kSelectedBytes;
    std::mt19937 random(1234);
    for (int32_t at = 0; at < kSelectedBytes; ++at) doc.data()[at] = static_cast<uint8_t>(random());
    for (int byte = 0; byte < 256; ++byte) {
        doc.table.singleText[byte] = std::string(1 + byte % 3, static_cast<char>('A' + byte % 26));
    }
    return doc;
}

ViewState Rows()
{
    ViewState view;
    view.bytesPerRow = 16;
    view.pageBytes = 16 * 40;
    return view;
}

void BM_CopyHexText(benchmark::State& state)
{
    const DocRecord doc = RandomDocument();
    for (auto _ : state) {
        std::string text = HexCopyText(doc, {0, kSelectedBytes - 1});
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * kSelectedBytes);
}
BENCHMARK(BM_CopyHexText)->Unit(benchmark::kMillisecond);

void BM_CopyTableText(benchmark::State& state)
{
    const DocRecord doc = RandomDocument();
    const Cp932Codec codec;
    for (auto _ : state) {
        std::u16string text = TableCopyText(doc, Rows(), {0, kSelectedBytes - 1}, codec);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * kSelectedBytes);
}
BENCHMARK(BM_CopyTableText)->Unit(benchmark::kMillisecond);

void BM_ReadHexPaste(benchmark::State& state)
{
    const std::string text = HexCopyText(RandomDocument(), {0, kSelectedBytes - 1});
    for (auto _ : state) {
        PasteReading reading = ReadHexPaste(text);
        benchmark::DoNotOptimize(reading.data.bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * kSelectedBytes);
}
BENCHMARK(BM_ReadHexPaste)->Unit(benchmark::kMillisecond);

// A megabyte of text, each character one lookup of a table typing would make.
void BM_ReadTablePaste(benchmark::State& state)
{
    const DocRecord doc = RandomDocument();
    std::vector<std::string> characters;
    std::mt19937 random(99);
    for (int at = 0; at < 1024 * 1024; ++at) characters.emplace_back(1, static_cast<char>('A' + random() % 26));
    for (auto _ : state) {
        PasteReading reading = ReadTablePaste(doc.table, {}, characters);
        benchmark::DoNotOptimize(reading.data.bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(characters.size()));
}
BENCHMARK(BM_ReadTablePaste)->Unit(benchmark::kMillisecond);

// The bytes over the whole document, journaled: each round starts from offset 0 with an
// empty history.
void BM_WritePaste(benchmark::State& state)
{
    DocRecord doc = RandomDocument();
    PasteData data;
    data.bytes.assign(kSelectedBytes, 0x5A);
    for (auto _ : state) {
        state.PauseTiming();
        doc.journal = EditJournal{};
        doc.topOffset = doc.cursorOffset = 0;
        doc.cursorRow = doc.cursorColumn = 0;
        state.ResumeTiming();
        const PasteOutcome outcome = WritePaste(doc, Rows(), data);
        if (outcome.written != kSelectedBytes) state.SkipWithError("the paste was cut");
    }
    state.SetBytesProcessed(state.iterations() * kSelectedBytes);
}
BENCHMARK(BM_WritePaste)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
