// The ROM and patch tools on large images, in memory: IPS and BPS create and apply on 16 MiB,
// the file compare on 64 MiB, the SNES checksum on 8 MiB.

#include "core/document.h"
#include "tools/bps.h"
#include "tools/bps_create.h"
#include "tools/file_compare.h"
#include "tools/ips.h"
#include "tools/ips_document.h"
#include "tools/snes_checksum.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kPatchImageSize = 16 << 20;
constexpr std::size_t kCompareImageSize = 64 << 20;
constexpr std::size_t kChecksumImageSize = 8 << 20;

std::vector<uint8_t> RandomImage(std::size_t size, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::vector<uint8_t> image(size);
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        const uint64_t word = random();
        for (int b = 0; b < 8; ++b) image[i + static_cast<std::size_t>(b)] = static_cast<uint8_t>(word >> (8 * b));
    }
    return image;
}

// About 1% of the bytes changed, in runs of 1 to 16 bytes every 850 bytes or so.
std::vector<uint8_t> ScatteredChanges(const std::vector<uint8_t>& image, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> changed = image;
    for (std::size_t at = random() % 850; at < changed.size(); at += 425 + random() % 850) {
        const std::size_t length = std::min<std::size_t>(1 + random() % 16, changed.size() - at);
        for (std::size_t i = at; i < at + length; ++i)
            changed[i] = static_cast<uint8_t>(changed[i] ^ (1 + random() % 255));
    }
    return changed;
}

void IpsCreate(benchmark::State& state)
{
    const auto original = RandomImage(kPatchImageSize, 1);
    const auto modified = ScatteredChanges(original, 2);
    std::size_t patchSize = 0;
    for (auto _ : state) {
        const zarvo::IpsCreation made = zarvo::CreateIps(original, modified);
        patchSize = made.patch.size();
        benchmark::DoNotOptimize(made.patch.data());
    }
    state.counters["patch_bytes"] = static_cast<double>(patchSize);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kPatchImageSize));
}
BENCHMARK(IpsCreate)->Unit(benchmark::kMillisecond);

// Applying to a document in memory, as the editor does: checked first, then written in place.
void IpsApplyToDocument(benchmark::State& state)
{
    const auto original = RandomImage(kPatchImageSize, 1);
    const auto patch = zarvo::CreateIps(original, ScatteredChanges(original, 2)).patch;
    zarvo::DocRecord doc;
    doc.storage = zarvo::DocumentBytes::Owned(kPatchImageSize);
    std::copy(original.begin(), original.end(), doc.storage.data());
    doc.fileSize = doc.viewSize = static_cast<int32_t>(kPatchImageSize);
    for (auto _ : state) {
        if (zarvo::ApplyPatchToDocument(doc, patch, zarvo::ViewState{}) != zarvo::IpsError::None) {
            state.SkipWithError("apply failed");
        }
        benchmark::DoNotOptimize(doc.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kPatchImageSize));
}
BENCHMARK(IpsApplyToDocument)->Unit(benchmark::kMillisecond);

// Forty insertions and deletions of 1 to 256 bytes: everything after each one shifts.
std::vector<uint8_t> ShiftingEdits(const std::vector<uint8_t>& image, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> edited = image;
    for (int edit = 0; edit < 40; ++edit) {
        const std::size_t at = random() % (edited.size() - 256);
        const std::size_t length = 1 + random() % 256;
        if (edit % 2 == 0) {
            std::vector<uint8_t> inserted(length);
            for (auto& byte : inserted) byte = static_cast<uint8_t>(random());
            edited.insert(edited.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
        } else {
            edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(at),
                         edited.begin() + static_cast<std::ptrdiff_t>(at + length));
        }
    }
    return edited;
}

void BpsCreate(benchmark::State& state, bool shifting)
{
    const auto original = RandomImage(kPatchImageSize, 1);
    const auto modified = shifting ? ShiftingEdits(original, 2) : ScatteredChanges(original, 2);
    std::size_t patchSize = 0;
    for (auto _ : state) {
        const zarvo::BpsCreation made = zarvo::CreateBps(original, modified);
        patchSize = made.patch.size();
        benchmark::DoNotOptimize(made.patch.data());
    }
    state.counters["patch_bytes"] = static_cast<double>(patchSize);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kPatchImageSize));
}
BENCHMARK_CAPTURE(BpsCreate, insertions_and_deletions, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BpsCreate, one_percent_in_place, false)->Unit(benchmark::kMillisecond);

void BpsApply(benchmark::State& state)
{
    const auto original = RandomImage(kPatchImageSize, 1);
    const auto patch = zarvo::CreateBps(original, ShiftingEdits(original, 2)).patch;
    for (auto _ : state) {
        const zarvo::BpsApplication applied = zarvo::ApplyBps(patch, original);
        if (applied.error != zarvo::BpsError::None) state.SkipWithError("apply failed");
        benchmark::DoNotOptimize(applied.target.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kPatchImageSize));
}
BENCHMARK(BpsApply)->Unit(benchmark::kMillisecond);

void CompareFiles64MiB(benchmark::State& state)
{
    const auto first = RandomImage(kCompareImageSize, 3);
    const auto second = ScatteredChanges(first, 4);
    std::size_t runs = 0;
    for (auto _ : state) {
        const auto found = zarvo::CompareBytes(first, second, [](int32_t, int32_t) {});
        runs = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["runs"] = static_cast<double>(runs);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kCompareImageSize));
}
BENCHMARK(CompareFiles64MiB)->Unit(benchmark::kMillisecond);

void SnesChecksum8MiB(benchmark::State& state)
{
    auto image = RandomImage(kChecksumImageSize, 5);
    image[0x7FDC] = 0xFF;  // complement FFFF, checksum 0000 at the Lo-ROM place
    image[0x7FDD] = 0xFF;
    image[0x7FDE] = 0x00;
    image[0x7FDF] = 0x00;
    for (auto _ : state) {
        const zarvo::ChecksumReport report = zarvo::InspectSnesChecksum(image);
        benchmark::DoNotOptimize(report.newChecksum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kChecksumImageSize));
}
BENCHMARK(SnesChecksum8MiB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
