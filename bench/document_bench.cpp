// Opening and saving a 64 MiB ROM, as a user waits for it.

#include "core/document_file.h"
#include "core/input_file.h"
#include "core/table_loader.h"
#include "view/colour_table.h"
#include "view/row_layout.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRomSize = 64 << 20;

class FixedPitch final : public zarvo::TextMeasure {
public:
    [[nodiscard]] int width(std::string_view text, bool unicode) const override
    {
        return static_cast<int>(text.size()) * (unicode ? 16 : 8);
    }
};

const std::string& RomPath()
{
    static const std::string path = [] {
        const auto where = std::filesystem::temp_directory_path() / "zarvo-bench-64mib.bin";
        std::vector<char> bytes(kRomSize);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 2654435761U >> 24);
        std::ofstream(where, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return where.string();
    }();
    return path;
}

// Reading the cached file into the document's own memory, fresh for each open: the
// part of opening that grows with the file.
void ReadIntoDocumentMemory(benchmark::State& state)
{
    const std::string& path = RomPath();
    for (auto _ : state) {
        const zarvo::InputBytes input = zarvo::ReadInputFile(path, 65535);
        if (!input.ok()) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(input.bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kRomSize));
}
BENCHMARK(ReadIntoDocumentMemory)->Unit(benchmark::kMillisecond);

// Open the file and lay out its first page of 64 rows x 32 bytes: what the user sees
// first. The whole file is read into private memory first; this should stay under 20 ms.
void OpenAndShowFirstPage(benchmark::State& state)
{
    const std::string& path = RomPath();
    const zarvo::ColorTable colours = zarvo::LoadColors();
    const FixedPitch measure;
    for (auto _ : state) {
        zarvo::DocRecord doc;
        zarvo::TableSession tables;
        if (zarvo::OpenDocumentFile(doc, path) != zarvo::OpenError::None) state.SkipWithError("open failed");
        zarvo::LoadAsciiTable(doc, tables);
        zarvo::RowLayout layout;
        zarvo::RowRequest request;
        request.data = doc.data();
        request.limit = doc.viewSize;
        request.bytesPerRow = 32;
        request.clientWidth = 1920;
        for (int row = 0; row < 64; ++row) {
            request.row = row;
            request.rowOffset = row * 32;
            zarvo::LayOutRow(request, doc.table, colours, measure, layout);
        }
        benchmark::DoNotOptimize(layout.cells.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kRomSize));
}
BENCHMARK(OpenAndShowFirstPage)->Unit(benchmark::kMillisecond);

// Save after an edit on every 4 KiB page, of the first state.range(0) MiB of the ROM:
// 2 MiB (a 16-Mbit cartridge) and 64 MiB. The time includes the disk's syncs.
void SaveEditedDocument(benchmark::State& state)
{
    const std::string& path = RomPath();
    const auto target = (std::filesystem::temp_directory_path() / "zarvo-bench-save.bin").string();
    zarvo::DocRecord doc;
    if (zarvo::OpenDocumentFile(doc, path) != zarvo::OpenError::None) state.SkipWithError("open failed");
    doc.fileSize = static_cast<int32_t>(state.range(0) << 20);
    for (int32_t i = 0; i < doc.fileSize; i += 4096) doc.data()[i] ^= 1;
    doc.fileName = target;
    for (auto _ : state) {
        if (zarvo::SaveDocumentFile(doc) != zarvo::SaveError::None) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * doc.fileSize);
    std::filesystem::remove(target);
}
BENCHMARK(SaveEditedDocument)->Arg(2)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
