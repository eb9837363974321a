// Loading and looking up a full table: 65,536 two-byte entries and 256 single-byte
// entries, the largest table a document can hold. The loader runs end to end as on
// window activation: clearing the old table, reading the file, classifying each line.

#include "core/document.h"
#include "core/table.h"
#include "core/table_loader.h"
#include "core/table_session.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace zarvo;

// Shift-JIS-like two-byte texts for every pair key, one-letter texts for single bytes,
// a handful of directives, CR LF line ends.
std::string FullTableText()
{
    std::string text;
    text.reserve(700 * 1024);
    char line[32];
    text += "/FE\r\n*FF\r\n.code $F0 \"[WAIT]\"\r\n.dual $F1F2 \"[NAME]\"\r\n.multicode $F3 2 \"[SE_]\"\r\n";
    text += ".startdump \"Dump of %romname\\n\",\r\n\"Range %startofs-%endofs\\n\"\r\n";
    for (unsigned byte = 0; byte < 256; ++byte) {
        std::snprintf(line, sizeof line, "%02X=%c\r\n", byte, static_cast<char>('A' + byte % 26));
        text += line;
    }
    for (unsigned key = 0; key < 65536; ++key) {
        std::snprintf(line, sizeof line, "%04X=%c%c\r\n", key, static_cast<char>(0x82),
                      static_cast<char>(0x9F + key % 83));
        text += line;
    }
    return text;
}

class TableFile {
public:
    TableFile()
        : path_(std::filesystem::temp_directory_path() / ("zarvo-table-bench-" + std::to_string(getpid()) + ".tbl"))
    {
        content_ = FullTableText();
        std::ofstream(path_, std::ios::binary).write(content_.data(), static_cast<std::streamsize>(content_.size()));
    }
    ~TableFile() { std::filesystem::remove(path_); }
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    [[nodiscard]] std::string path() const { return path_.string(); }
    [[nodiscard]] const std::string& content() const { return content_; }

private:
    std::filesystem::path path_;
    std::string content_;
};

void BM_TableLoaderFullTable(benchmark::State& state)
{
    const TableFile file;
    DocRecord doc;
    TableSession session;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TableLoader(doc, session, file.path()));
    }
    if (PairTextAt(doc.table, 0xFF, 0xFF) == nullptr) state.SkipWithError("the table did not load");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.content().size()));
}
BENCHMARK(BM_TableLoaderFullTable)->Unit(benchmark::kMillisecond);

void BM_ParseTableTextFullTable(benchmark::State& state)
{
    const std::string content = FullTableText();
    TableData table;
    TableSession session;
    for (auto _ : state) {
        ParseTableText(table, session, content);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
}
BENCHMARK(BM_ParseTableTextFullTable)->Unit(benchmark::kMillisecond);

void BM_ClearTableFull(benchmark::State& state)
{
    const std::string content = FullTableText();
    TableData table;
    TableSession session;
    for (auto _ : state) {
        state.PauseTiming();
        ParseTableText(table, session, content);
        state.ResumeTiming();
        ClearTable(table, session);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearTableFull)->Unit(benchmark::kMicrosecond);

// The view's per-byte lookups over one 64 KiB stretch of a ROM.
void BM_ForwardLookups64KiB(benchmark::State& state)
{
    TableData table;
    TableSession session;
    ParseTableText(table, session, FullTableText());
    std::string rom(64 * 1024, '\0');
    for (std::size_t i = 0; i < rom.size(); ++i) rom[i] = static_cast<char>(i * 7 + i / 3);
    for (auto _ : state) {
        std::size_t shown = 0;
        for (std::size_t i = 0; i + 1 < rom.size(); ++i) {
            const auto first = static_cast<uint8_t>(rom[i]);
            const std::string* text = PairTextAt(table, first, static_cast<uint8_t>(rom[i + 1]));
            if (text == nullptr) text = SingleTextAt(table, first);
            shown += text != nullptr ? text->size() : MarkFor(table, first);
        }
        benchmark::DoNotOptimize(shown);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rom.size()));
}
BENCHMARK(BM_ForwardLookups64KiB)->Unit(benchmark::kMicrosecond);

// Typing a character that no entry holds scans every slot.
void BM_ReverseLookupMiss(benchmark::State& state)
{
    TableData table;
    TableSession session;
    ParseTableText(table, session, FullTableText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindSingle(table, "~", FindMode::Exact));
        benchmark::DoNotOptimize(FindPair(table, "~", FindMode::Exact));
    }
}
BENCHMARK(BM_ReverseLookupMiss)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
