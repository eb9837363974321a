// The text dump of a 16 MiB script through a table with letters, two-byte words,
// control codes, a two-byte code and a parameter code, in memory; the binary dump
// and the byte fill of 16 MiB for comparison.

#include "core/document.h"
#include "core/document_edit.h"
#include "core/table.h"
#include "core/table_loader.h"
#include "core/table_session.h"
#include "dump/code_to_text.h"
#include "dump/text_dump.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zarvo;

constexpr std::size_t kRangeSize = 16 << 20;

TableData ScriptTable()
{
    std::string lines =
        "/FE\n*FF\n.code $F0 \"[WAIT]\"\n.code $F4 \"<%offset>\"\n.dual $F1F2 \"[NAME]\"\n"
        ".multicode $F3 2 \"[SE_]\"\n.startdump \"Dump of %romname\\n\"\n.enddump \"\\n[%dumpsize]\"\n";
    char line[32];
    for (unsigned byte = 0x20; byte < 0x7F; ++byte) {
        std::snprintf(line, sizeof line, "%02X=%c\n", byte, static_cast<char>(byte));
        lines += line;
    }
    for (unsigned second = 0; second < 256; ++second) {
        std::snprintf(line, sizeof line, "81%02X=w%03u\n", second, second);
        lines += line;
    }
    TableData table;
    TableSession session;
    ParseTableText(table, session, lines);
    return table;
}

// Mostly letters, with words, line ends, controls and parameters in between, as a
// game script reads; a few bytes have no entry.
std::vector<uint8_t> Script()
{
    std::mt19937 random(7);
    std::vector<uint8_t> bytes;
    bytes.reserve(kRangeSize);
    while (bytes.size() < kRangeSize) {
        const unsigned pick = random() % 100;
        if (pick < 78) {
            bytes.push_back(static_cast<uint8_t>(0x20 + random() % 95));
        } else if (pick < 88) {
            bytes.insert(bytes.end(), {0x81, static_cast<uint8_t>(random())});
        } else if (pick < 92) {
            bytes.push_back(0xFE);
        } else if (pick < 94) {
            bytes.push_back(0xF0);
        } else if (pick < 96) {
            bytes.insert(bytes.end(), {0xF1, 0xF2});
        } else if (pick < 98) {
            bytes.insert(bytes.end(), {0xF3, static_cast<uint8_t>(random()), static_cast<uint8_t>(random())});
        } else {
            bytes.push_back(static_cast<uint8_t>(0x80 + random() % 0x60));
        }
    }
    bytes.resize(kRangeSize);
    return bytes;
}

void TextDump(benchmark::State& state)
{
    const TableData table = ScriptTable();
    const std::vector<uint8_t> bytes = Script();
    const DumpContext context{0, kRangeSize - 1, kRangeSize, "game.smc", "game.tbl"};
    std::size_t written = 0;
    const ByteSink sink = [&written](const uint8_t* data, std::size_t count) {
        benchmark::DoNotOptimize(data);
        written += count;
        return true;
    };
    for (auto _ : state) {
        written = 0;
        if (!WriteTextDump(bytes, table, context, sink)) state.SkipWithError("dump failed");
    }
    state.counters["output_bytes"] = static_cast<double>(written);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kRangeSize));
}
BENCHMARK(TextDump)->Unit(benchmark::kMillisecond);

void ByteFill(benchmark::State& state)
{
    DocRecord doc;
    doc.storage = DocumentBytes::Owned(kRangeSize);
    doc.fileSize = doc.viewSize = static_cast<int32_t>(kRangeSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FillBytes(doc, 0, doc.viewSize, 0xFF));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kRangeSize));
}
BENCHMARK(ByteFill)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
