// The undo history on a 64 MiB ROM: taking back a 16 MiB byte fill, and what a
// million typed bytes cost in time and memory.

#include "core/document.h"
#include "core/document_edit.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t kRomSize = 64 << 20;
constexpr int32_t kFillSize = 16 << 20;

zarvo::DocRecord MakeRom()
{
    zarvo::DocRecord doc;
    doc.storage = zarvo::DocumentBytes::Owned(kRomSize);
    for (int32_t at = 0; at < kRomSize; at += 4096) doc.storage.data()[at] = static_cast<uint8_t>(at >> 12);
    doc.fileSize = kRomSize;
    doc.viewSize = kRomSize;
    return doc;
}

// One undo and one redo of a 16 MiB fill per iteration; the rate counts both.
void UndoAndRedoOfA16MiBFill(benchmark::State& state)
{
    zarvo::DocRecord doc = MakeRom();
    (void)zarvo::FillBytes(doc, 1 << 20, kFillSize, 0xFF);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zarvo::UndoEdit(doc));
        benchmark::DoNotOptimize(zarvo::RedoEdit(doc));
    }
    state.SetBytesProcessed(state.iterations() * 2 * int64_t{kFillSize});
    state.counters["history_memory"] = static_cast<double>(doc.journal.memoryHeld());
}
BENCHMARK(UndoAndRedoOfA16MiBFill)->Unit(benchmark::kMillisecond);

// A million bytes typed one by one, each its own step, as typing makes them.
void AMillionTypedBytes(benchmark::State& state)
{
    constexpr int32_t kTyped = 1'000'000;
    for (auto _ : state) {
        state.PauseTiming();
        zarvo::DocRecord doc = MakeRom();
        state.ResumeTiming();
        for (int32_t typed = 0; typed < kTyped; ++typed) {
            const auto value = static_cast<uint8_t>(typed);
            (void)zarvo::OverwriteBytes(doc, typed * 61, {&value, 1});
        }
        state.counters["history_memory_per_typed_byte"] =
            static_cast<double>(doc.journal.memoryHeld()) / static_cast<double>(kTyped);
        state.counters["steps"] = static_cast<double>(doc.journal.stepCount());
    }
    state.SetItemsProcessed(state.iterations() * kTyped);
}
BENCHMARK(AMillionTypedBytes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
