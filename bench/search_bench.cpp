// The searches on large images, in memory: the scan of the Find dialog on 64 MiB
// (exact, ignoring case, with wildcards, on a ROM-like image full of zeros) and the
// relative search on 16 MiB. And zarvo-tool's searches, which read a cached 16 MiB
// file a piece at a time: the hexadecimal listing, and the relative search of a
// one-letter word, whose every byte is a hit, in bounded memory.

#include "core/byte_pieces.h"
#include "core/document.h"
#include "core/input_file.h"
#include "core/search_state.h"
#include "core/session.h"
#include "search/relative_search.h"
#include "search/search_pattern.h"
#include "search/search_run.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>

namespace {

constexpr std::size_t kScanImageSize = 64 << 20;
constexpr std::size_t kRelativeImageSize = 16 << 20;

// Random bytes with "Hello!" planted every MiB.
zarvo::DocRecord RandomDocument(std::size_t size, unsigned seed)
{
    zarvo::DocRecord doc;
    doc.storage = zarvo::DocumentBytes::Owned(size);
    std::mt19937_64 random(seed);
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        const uint64_t word = random();
        std::memcpy(doc.storage.data() + i, &word, 8);
    }
    for (std::size_t at = 4321; at + 6 <= size; at += 1 << 20) std::memcpy(doc.storage.data() + at, "Hello!", 6);
    doc.fileSize = doc.viewSize = static_cast<int32_t>(size);
    return doc;
}

// Mostly zeros and 0xFF fill, with a run of text every 4 KiB, as in many cartridges.
zarvo::DocRecord RomLikeDocument(std::size_t size)
{
    zarvo::DocRecord doc = RandomDocument(size, 5);
    uint8_t* bytes = doc.storage.data();
    for (std::size_t at = 0; at < size; at += 4096) {
        std::memset(bytes + at, at % 8192 == 0 ? 0x00 : 0xFF, 3072);
        std::memcpy(bytes + at + 3072, "THE PRINCESS IS IN ANOTHER CASTLE", 33);
    }
    return doc;
}

// Every match listed from offset 0 on, as "Save Finds" with "Start Search From the
// Begining" does.
void Scan(benchmark::State& state, const zarvo::DocRecord& source, zarvo::SearchPattern pattern,
          zarvo::SearchOptions options)
{
    zarvo::DocRecord doc;
    doc.storage = zarvo::DocumentBytes::Owned(source.storage.size());
    std::memcpy(doc.storage.data(), source.storage.data(), source.storage.size());
    doc.fileSize = doc.viewSize = source.viewSize;
    zarvo::ViewState view;
    view.pageBytes = 320;
    options.SaveFnd = true;
    options.FindFromStart = true;
    int64_t matches = 0;
    for (auto _ : state) {
        zarvo::SearchState search;
        zarvo::StorePattern(search, pattern);
        const zarvo::ScanResult result =
            zarvo::ScanDocument(search, options, doc, view, [](int32_t offset) { benchmark::DoNotOptimize(offset); });
        matches = result.listed;
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * source.viewSize);
}

void ScanExact(benchmark::State& state)
{
    const zarvo::DocRecord doc = RandomDocument(kScanImageSize, 1);
    Scan(state, doc, zarvo::BuildHexPattern("48656C6C6F21", false), {});
}
BENCHMARK(ScanExact)->Unit(benchmark::kMillisecond);

void ScanIgnoringCase(benchmark::State& state)
{
    const zarvo::DocRecord doc = RandomDocument(kScanImageSize, 2);
    Scan(state, doc, zarvo::BuildHexPattern("48454C4C4F21", false), {.IgCase = true});
}
BENCHMARK(ScanIgnoringCase)->Unit(benchmark::kMillisecond);

void ScanIgnoringCaseLettersOnly(benchmark::State& state)
{
    const zarvo::DocRecord doc = RandomDocument(kScanImageSize, 2);
    Scan(state, doc, zarvo::BuildHexPattern("48454C4C4F", false), {.IgCase = true});
}
BENCHMARK(ScanIgnoringCaseLettersOnly)->Unit(benchmark::kMillisecond);

void ScanWithWildcards(benchmark::State& state)
{
    const zarvo::DocRecord doc = RandomDocument(kScanImageSize, 3);
    Scan(state, doc, zarvo::BuildHexPattern("48****6C6F21", true), {.WildCrd = true});
}
BENCHMARK(ScanWithWildcards)->Unit(benchmark::kMillisecond);

void ScanRomLike(benchmark::State& state)
{
    const zarvo::DocRecord doc = RomLikeDocument(kScanImageSize);
    Scan(state, doc, zarvo::BuildHexPattern("20434153544C45", false), {});  // " CASTLE"
}
BENCHMARK(ScanRomLike)->Unit(benchmark::kMillisecond);

// The one pass over the byte differences, or with ignoreCase the 256 scans.
void Relative(benchmark::State& state, bool ignoreCase)
{
    zarvo::DocRecord doc = RandomDocument(kRelativeImageSize, 4);
    constexpr std::string_view kWord = "Princess";
    for (std::size_t i = 0; i < kWord.size(); ++i) {  // stored with 'P' as 0x10
        doc.storage.data()[12345 + i] = static_cast<uint8_t>(0x10 + kWord[i] - kWord[0]);
    }
    zarvo::Session session;
    session.search.dialog.options.FindFromStart = true;
    session.search.dialog.options.IgCase = ignoreCase;
    std::size_t lines = 0;
    for (auto _ : state) {
        const zarvo::RelativeSearchOutcome outcome = zarvo::RunRelativeSearch(session, &doc, kWord);
        benchmark::DoNotOptimize(outcome.status);
        lines = session.search.list.entries.size();
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kRelativeImageSize));
}

void RelativeWord(benchmark::State& state) { Relative(state, false); }
BENCHMARK(RelativeWord)->Unit(benchmark::kMillisecond);

void RelativeWordIgnoringCase(benchmark::State& state) { Relative(state, true); }
BENCHMARK(RelativeWordIgnoringCase)->Unit(benchmark::kMillisecond);

// A file of the random image, in the page cache once written; removed afterwards.
class CachedFile {
public:
    CachedFile(const zarvo::DocRecord& doc, const char* name)
        : path_((std::filesystem::temp_directory_path() / name).string())
    {
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(doc.data()), static_cast<std::streamsize>(doc.fileSize));
    }
    ~CachedFile() { std::filesystem::remove(path_); }
    CachedFile(const CachedFile&) = delete;
    CachedFile& operator=(const CachedFile&) = delete;

    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
};

// "zarvo-tool search --hex" without its start: every match of four bytes listed.
void ListFromFilePieces(benchmark::State& state)
{
    const zarvo::DocRecord doc = RandomDocument(kRelativeImageSize, 6);
    const CachedFile file(doc, "zarvo-bench-search.bin");
    const zarvo::SearchPattern pattern = zarvo::BuildHexPattern("5D B7 EE D7", false);
    int64_t matches = 0;
    for (auto _ : state) {
        zarvo::InputFile input(file.path());
        zarvo::FilePieces pieces(input, input.size());
        zarvo::SearchState search;
        zarvo::StorePattern(search, pattern);
        matches = zarvo::ListMatches(search, {.SaveFnd = true}, pieces, 0,
                                     [](int32_t offset) { benchmark::DoNotOptimize(offset); });
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * doc.fileSize);
}
BENCHMARK(ListFromFilePieces)->Unit(benchmark::kMillisecond);

// "zarvo-tool rsearch" of one letter: a hit at every byte, put in order a run of base
// values at a time.
void RelativeLetterFromFilePieces(benchmark::State& state)
{
    const zarvo::DocRecord doc = RandomDocument(kRelativeImageSize, 7);
    const CachedFile file(doc, "zarvo-bench-rsearch.bin");
    int64_t lines = 0;
    for (auto _ : state) {
        zarvo::InputFile input(file.path());
        zarvo::FilePieces pieces(input, input.size());
        lines = 0;
        const zarvo::RelativeWalk walk =
            zarvo::ForEachRelativeHit(pieces, 0, "a", {}, -1, [&lines](const zarvo::RelativeHit&) { ++lines; });
        benchmark::DoNotOptimize(walk);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * doc.fileSize);
}
BENCHMARK(RelativeLetterFromFilePieces)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
